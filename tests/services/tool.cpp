// Stands in for the system information tool: notes in C:\started.txt which
// file was started and with how many arguments.
#include <windows.h>

#include <cstdio>

int main(int argc, char *[])
{
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    if (FILE *proof = std::fopen("C:\\started.txt", "a")) {
        std::fprintf(proof, "%s, %d arguments\n", self, argc - 1);
        std::fclose(proof);
    }
    return 0;
}
