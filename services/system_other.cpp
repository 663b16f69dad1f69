// Where there is no Windows registry no key exists, so every lookup fails and
// the user is told that the tool is unavailable.
#include "services/system.h"

namespace services {

ValueRead NativeSystem::readValue(std::int32_t, const std::string &, const std::string &) const
{
    constexpr std::int32_t FileNotFound = 2; // the system's code for a missing key
    ValueRead read;
    read.result = FileNotFound;
    return read;
}

bool NativeSystem::isNormalFile(const std::string &) const
{
    return false;
}

bool NativeSystem::startProgram(const std::string &) const
{
    return false;
}

} // namespace services
