// Runs the launcher against Windows' own registry, file search and program
// start and prints what it did, one line per step, for run.sh to compare.
//   probe            the two lookups, then the whole launch
//   probe lock KEY   lets ordinary users only read HKLM\KEY, as Windows does
#include "sysinfo.h"

#include <windows.h>

#include <sddl.h>

#include <cstdio>
#include <stdexcept>
#include <string>

namespace {

void printLookup(const sysinfo::Platform &platform, const char *key, const char *value)
{
    std::printf("%s: ", value);
    try {
        std::string text;
        if (!sysinfo::GetKeyValue(platform, sysinfo::LocalMachine, key, value, text))
            std::printf("missing\n");
        else if (text.size() > 100)
            std::printf("found %zu bytes\n", text.size());
        else
            std::printf("found \"%s\"\n", text.c_str());
    } catch (const std::invalid_argument &) {
        std::printf("error\n");
    }
}

// The real services, each call printed with its answer.
sysinfo::Platform traced(const sysinfo::Platform &real)
{
    return {
        real.readValue,
        [real](const std::string &path) {
            const bool found = real.isNormalFile(path);
            std::printf("search \"%s\": %s\n", path.c_str(), found ? "found" : "none");
            return found;
        },
        [real](const std::string &path) {
            const bool started = real.startProgram(path);
            std::printf("start \"%s\": %s\n", path.c_str(), started ? "started" : "failed");
            return started;
        },
    };
}

int lock(const char *key)
{
    PSECURITY_DESCRIPTOR readOnly = nullptr;
    HKEY handle = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorA("D:P(A;;KR;;;WD)", SDDL_REVISION_1,
                                                              &readOnly, nullptr) ||
        RegOpenKeyExA(HKEY_LOCAL_MACHINE, key, 0, WRITE_DAC, &handle) != ERROR_SUCCESS ||
        RegSetKeySecurity(handle, DACL_SECURITY_INFORMATION, readOnly) != ERROR_SUCCESS) {
        std::printf("cannot lock %s\n", key);
        return 1;
    }
    RegCloseKey(handle);
    LocalFree(readOnly);
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 3 && std::string(argv[1]) == "lock")
        return lock(argv[2]);

    const sysinfo::Platform platform = traced(sysinfo::systemPlatform());
    printLookup(platform, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH");
    printLookup(platform, "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO");
    sysinfo::StartSysInfo(
        platform, [](const std::string &text) { std::printf("message \"%s\"\n", text.c_str()); });
    return 0;
}
