#include "about/sysinfo.h"

#include "services/system.h"

#include <string>

namespace about {

bool StartSysInfo(const services::System &system)
{
    try {
        const std::string tool = system.findTool();
        return !tool.empty() && system.startTool(tool);
    } catch (...) {
        return false; // whatever went wrong, the user gets the same message
    }
}

} // namespace about
