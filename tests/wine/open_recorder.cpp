// Stands in for the command interpreter in the Windows tests: appends the
// arguments it was started with ("/c result.txt") to opened.log in the
// working directory instead of opening a viewer.
#include <windows.h>

#include <cstdio>
#include <cstring>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR args, int) {
    std::FILE* log = std::fopen("opened.log", "ab");
    if (!log) return 1;
    std::fprintf(log, "%s\n", args);
    std::fclose(log);
    return 0;
}
