// The system information tool found and started through Windows' own registry, file search and
// program start.
//   probe                 starts the tool, prints "started" or "unavailable"
//   probe lock KEY        lets ordinary users only read HKLM\KEY
// Under any other name it stands in for the tool: it notes in C:\started.txt
// which file was started, with how many arguments.
#include "services/system.h"

#include <windows.h>

#include <sddl.h>

#include <cstdio>
#include <string>

int main(int argc, char *argv[])
{
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    if (!std::string(self).ends_with("probe.exe")) {
        FILE *proof = std::fopen("C:\\started.txt", "w");
        return !proof || std::fprintf(proof, "%s, %d arguments\n", self, argc - 1) < 0 ||
               std::fclose(proof) != 0;
    }
    if (argc == 3 && std::string(argv[1]) == "lock") {
        PSECURITY_DESCRIPTOR readOnly = nullptr;
        HKEY key = nullptr;
        return !ConvertStringSecurityDescriptorToSecurityDescriptorA(
                   "D:P(A;;KR;;;WD)", SDDL_REVISION_1, &readOnly, nullptr) ||
               RegOpenKeyExA(HKEY_LOCAL_MACHINE, argv[2], 0, WRITE_DAC, &key) != 0 ||
               RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, readOnly) != 0;
    } else {
        const services::NativeSystem system;
        const std::string tool = system.findTool();
        std::printf(!tool.empty() && system.startTool(tool) ? "started\n" : "unavailable\n");
    }
    return 0;
}
