#include "about/sysinfo.h"

#include "services/system.h"

#include <algorithm>
#include <exception>
#include <stdexcept>

namespace about {

namespace {

const std::string ToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string ToolValue = "PATH";
const std::string FolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string FolderValue = "MSINFO";
const std::string ToolFile = "\\MSINFO32.EXE";

// The path of the tool, from its own value or else from its folder; false
// when neither leads to it. A path from the tool's own value is taken as it
// is, without looking for the file.
bool findTool(const services::System &system, std::string &path)
{
    if (GetKeyValue(system, services::LocalMachine, ToolKey, ToolValue, path))
        return true;
    if (!GetKeyValue(system, services::LocalMachine, FolderKey, FolderValue, path))
        return false;
    const std::string candidate = path + ToolFile;
    if (!system.isNormalFile(candidate))
        return false;
    path = candidate;
    return true;
}

} // namespace

bool GetKeyValue(const services::System &system, std::int32_t KeyRoot, const std::string &KeyName,
                 const std::string &SubKeyRef, std::string &KeyVal)
{
    const services::ValueRead read = system.readValue(KeyRoot, KeyName, SubKeyRef);
    if (read.result != 0) {
        KeyVal.clear();
        return false;
    }

    const auto end = std::find(read.data.begin(), read.data.end(), '\0');
    if (end == read.data.end())
        throw std::invalid_argument("registry value fills its buffer without a terminating zero");
    const std::string text(read.data.begin(), end);

    switch (read.type) {
    case RegSz:
        KeyVal = text;
        break;
    case RegDword: {
        std::uint32_t number = 0;
        for (int i = 3; i >= 0; --i) // little-endian
            number = number << 8 | static_cast<unsigned char>(read.data[i]);
        KeyVal = std::to_string(number);
        break;
    }
    default:
        break;
    }
    return true;
}

bool StartSysInfo(const services::System &system)
{
    try {
        std::string path;
        return findTool(system, path) && system.startProgram(path);
    } catch (const std::exception &) {
        return false; // whatever went wrong, the user gets the same message
    }
}

} // namespace about
