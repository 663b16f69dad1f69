#pragma once

// The operating system's registry, file search and program start, as the
// system information launcher needs them. Plain C++, so that the launcher
// also builds for Windows without Qt.

#include <array>
#include <cstdint>
#include <string>

namespace services {

// The predefined root handle HKEY_LOCAL_MACHINE, as a 32-bit value.
inline constexpr std::int32_t LocalMachine = static_cast<std::int32_t>(0x80000002u);

inline constexpr std::size_t ValueBufferSize = 1024;

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

class System
{
public:
    virtual ~System() = default;
    // Opens the key below the root for reading only, queries the value into
    // a zeroed buffer of ValueBufferSize bytes and closes the key again.
    virtual ValueRead readValue(std::int32_t root, const std::string &keyName,
                                const std::string &valueName) const = 0;
    // True when the path names a normal file: no folder, no hidden or system file.
    virtual bool isNormalFile(const std::string &path) const = 0;
    // Starts exactly the program at the path, with no arguments, in a normal
    // window, without waiting for it; false when it cannot be started.
    virtual bool startProgram(const std::string &path) const = 0;
};

// The system the program was built for; one source file per platform.
class NativeSystem final : public System
{
public:
    ValueRead readValue(std::int32_t root, const std::string &keyName,
                        const std::string &valueName) const override;
    bool isNormalFile(const std::string &path) const override;
    bool startProgram(const std::string &path) const override;
};

} // namespace services
