#include "sysinfo.h"

#include <algorithm>
#include <exception>
#include <stdexcept>

namespace sysinfo {

namespace {

const std::string ToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string ToolValue = "PATH";
const std::string FolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string FolderValue = "MSINFO";
const std::string ToolFile = "\\MSINFO32.EXE";

// The path of the tool, from its own value or else from its folder; false
// when neither leads to it. A path from the tool's own value is taken as it
// is, without looking for the file.
bool findTool(const Platform &platform, std::string &path)
{
    if (GetKeyValue(platform, LocalMachine, ToolKey, ToolValue, path))
        return true;
    if (!GetKeyValue(platform, LocalMachine, FolderKey, FolderValue, path))
        return false;
    const std::string candidate = path + ToolFile;
    if (!platform.isNormalFile(candidate))
        return false;
    path = candidate;
    return true;
}

} // namespace

bool GetKeyValue(const Platform &platform, std::int32_t KeyRoot, const std::string &KeyName,
                 const std::string &SubKeyRef, std::string &KeyVal)
{
    const ValueRead read = platform.readValue(KeyRoot, KeyName, SubKeyRef);
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

void StartSysInfo(const Platform &platform,
                  const std::function<void(const std::string &text)> &tell)
{
    bool started = false;
    try {
        std::string path;
        started = findTool(platform, path) && platform.startProgram(path);
    } catch (const std::exception &) {
        // Whatever went wrong, the user gets the same message.
    }
    if (!started)
        tell(std::string(UnavailableText));
}

} // namespace sysinfo
