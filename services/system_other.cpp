// Where the program knows no place in which the system keeps its tool, it
// finds none: the user is told that the tool is unavailable.
#include "services/system.h"

namespace services {

std::string NativeSystem::findTool() const
{
    return {};
}

bool NativeSystem::startTool(const std::string &) const
{
    return false;
}

} // namespace services
