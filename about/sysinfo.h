#pragma once

// Finds the system information tool in the machine-wide registry and starts
// it. Plain C++, so that it also builds for Windows without Qt.

#include <cstdint>
#include <string>

namespace services {
class System;
}

namespace about {

// Registry value types that GetKeyValue turns into text.
inline constexpr std::uint32_t RegSz = 1;
inline constexpr std::uint32_t RegDword = 4;

// Reads one registry value as text into KeyVal. False when the key or the
// value cannot be read; KeyVal is then empty. A string value gives its text, a
// DWORD its decimal digits; any other type leaves KeyVal as it was. Throws
// std::invalid_argument when the data fills the whole buffer without a zero.
bool GetKeyValue(const services::System &system, std::int32_t KeyRoot, const std::string &KeyName,
                 const std::string &SubKeyRef, std::string &KeyVal);

// Looks the tool up and starts it. False when that failed for any reason: the
// caller then says that the tool is unavailable.
bool StartSysInfo(const services::System &system);

} // namespace about
