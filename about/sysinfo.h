#pragma once

// Finds the system information tool in the machine-wide registry and starts
// it. Plain C++ over three platform seams, so that the same flow runs against
// Windows' own registry and against stand-ins in tests.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace sysinfo {

// The predefined root handle HKEY_LOCAL_MACHINE, as a 32-bit value.
inline constexpr std::int32_t LocalMachine = static_cast<std::int32_t>(0x80000002u);

// Registry value types that GetKeyValue turns into text.
inline constexpr std::uint32_t RegSz = 1;
inline constexpr std::uint32_t RegDword = 4;

inline constexpr std::size_t ValueBufferSize = 1024;

inline constexpr std::string_view UnavailableText =
    "System Information Is Unavailable At This Time";

// What the registry answered for one value.
struct ValueRead
{
    // 0 when the key opened and the value fitted the buffer; otherwise the
    // system's error code (no such key or value, access refused, data too long).
    std::int32_t result = 0;
    std::uint32_t type = 0;
    // The value's data as the system wrote it into a buffer of zeros.
    std::array<char, ValueBufferSize> data{};
};

// The platform services the launcher needs.
struct Platform
{
    // Opens the key below the root for reading only, queries the value into
    // a zeroed buffer of ValueBufferSize bytes and closes the key again.
    std::function<ValueRead(std::int32_t root, const std::string &keyName,
                            const std::string &valueName)>
        readValue;
    // True when the path names a normal file: no folder, no hidden or system file.
    std::function<bool(const std::string &path)> isNormalFile;
    // Starts exactly the program at the path, with no arguments, in a normal
    // window, without waiting for it; false when it cannot be started.
    std::function<bool(const std::string &path)> startProgram;
};

// The services of the platform the program was built for.
Platform systemPlatform();

// Reads one registry value as text into KeyVal. False when the key or the
// value cannot be read; KeyVal is then empty. A string value gives its text, a
// DWORD its decimal digits; any other type leaves KeyVal as it was. Throws
// std::invalid_argument when the data fills the whole buffer without a zero.
bool GetKeyValue(const Platform &platform, std::int32_t KeyRoot, const std::string &KeyName,
                 const std::string &SubKeyRef, std::string &KeyVal);

// Looks the tool up and starts it; when that fails for any reason, hands
// UnavailableText to tell, which shows it to the user.
void StartSysInfo(const Platform &platform,
                  const std::function<void(const std::string &text)> &tell);

} // namespace sysinfo
