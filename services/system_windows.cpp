// Found in the machine-wide registry, started through the ANSI API.
#include "services/system.h"

#include <windows.h>

#include <algorithm>
#include <array>

namespace services {

namespace {

const std::string ToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string ToolValue = "PATH";
const std::string FolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string FolderValue = "MSINFO";
const std::string ToolFile = "\\MSINFO32.EXE";

// False when the value cannot be read (missing, refused, longer than the
// buffer). A value that is no string, or fills the buffer without a zero, is
// found but leaves KeyVal empty.
bool GetKeyValue(HKEY KeyRoot, const std::string &KeyName, const std::string &SubKeyRef,
                 std::string &KeyVal)
{
    std::array<char, 1024> data{};
    DWORD type = 0;
    DWORD size = data.size();
    HKEY key = nullptr;
    // Read access only: Windows refuses write access to machine-wide keys to
    // ordinary users, who must still find the tool.
    LONG result = RegOpenKeyExA(KeyRoot, KeyName.c_str(), 0, KEY_QUERY_VALUE, &key);
    if (result == ERROR_SUCCESS) {
        result = RegQueryValueExA(key, SubKeyRef.c_str(), nullptr, &type,
                                  reinterpret_cast<BYTE *>(data.data()), &size);
        RegCloseKey(key);
    }
    KeyVal.clear();
    if (result != ERROR_SUCCESS)
        return false;
    // The whole buffer counts, whatever size the query reported.
    const auto end = std::find(data.begin(), data.end(), '\0');
    if (type == REG_SZ && end != data.end())
        KeyVal.assign(data.begin(), end);
    return true;
}

bool isNormalFile(const std::string &path)
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           !(attributes &
             (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
}

} // namespace

// The tool's own value is taken as it is, without looking for the file.
std::string NativeSystem::findTool() const
{
    std::string path;
    if (GetKeyValue(HKEY_LOCAL_MACHINE, ToolKey, ToolValue, path))
        return path;
    if (!GetKeyValue(HKEY_LOCAL_MACHINE, FolderKey, FolderValue, path))
        return {};
    const std::string candidate = path + ToolFile;
    return isNormalFile(candidate) ? candidate : std::string();
}

bool NativeSystem::startTool(const std::string &tool) const
{
    // The application name fixes the file, so that blanks in the path cannot
    // make Windows pick another program; the command line passes no arguments.
    std::string commandLine = '"' + tool + '"';
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(tool.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process))
        return false;
    // The tool runs on its own; nobody waits for it.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

} // namespace services
