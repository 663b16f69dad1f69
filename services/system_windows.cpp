// The launcher's services on Windows, through the ANSI variants of the API.
#include "services/system.h"

#include <windows.h>

namespace services {

ValueRead NativeSystem::readValue(std::int32_t root, const std::string &keyName,
                                  const std::string &valueName) const
{
    ValueRead read;
    // The predefined roots are 32-bit values, sign-extended to a handle.
    const auto rootKey = reinterpret_cast<HKEY>(static_cast<LONG_PTR>(root));
    HKEY key = nullptr;
    // Read access only: Windows refuses write access to machine-wide keys to
    // ordinary users, who must still find the tool.
    read.result = RegOpenKeyExA(rootKey, keyName.c_str(), 0, KEY_QUERY_VALUE, &key);
    if (read.result != ERROR_SUCCESS)
        return read;
    DWORD type = 0;
    DWORD size = read.data.size();
    read.result = RegQueryValueExA(key, valueName.c_str(), nullptr, &type,
                                   reinterpret_cast<BYTE *>(read.data.data()), &size);
    read.type = type;
    RegCloseKey(key);
    return read;
}

bool NativeSystem::isNormalFile(const std::string &path) const
{
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES &&
           !(attributes &
             (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
}

bool NativeSystem::startProgram(const std::string &path) const
{
    // The application name fixes the file, so blanks in the path cannot make
    // Windows pick another program; the quoted command line only repeats the
    // program's own name and passes no arguments.
    std::string commandLine = '"' + path + '"';
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &process))
        return false;
    // The tool runs on its own; nobody waits for it.
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

} // namespace services
