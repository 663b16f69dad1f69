// The launcher's services where there is no Windows registry: no key exists,
// so every lookup fails and the user is told that the tool is unavailable.
#include "sysinfo.h"

namespace sysinfo {

namespace {

constexpr std::int32_t FileNotFound = 2; // the system's code for a missing key

} // namespace

Platform systemPlatform()
{
    return {
        [](std::int32_t, const std::string &, const std::string &) {
            ValueRead read;
            read.result = FileNotFound;
            return read;
        },
        [](const std::string &) { return false; },
        [](const std::string &) { return false; },
    };
}

} // namespace sysinfo
