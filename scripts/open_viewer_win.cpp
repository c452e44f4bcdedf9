// Stands in for the command interpreter when `make run` runs Kivrel under
// Wine: Kivrel hands each closed output file to system(), which starts
// "COMSPEC /c list.txt". Windows' cmd.exe opens such a document with its
// associated viewer; Wine's cmd.exe does not, so this opens it instead, the
// same way (the shell's "open" verb), and returns at once as cmd.exe does.
#include <windows.h>
#include <shellapi.h>

#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR args, int) {
    std::string name = args ? args : "";
    size_t i = name.find_first_not_of(" \t");
    if (i != std::string::npos && name[i] == '/' && i + 1 < name.size() && (name[i + 1] == 'c' || name[i + 1] == 'C')) i += 2;
    i = name.find_first_not_of(" \t", i);
    name = i == std::string::npos ? "" : name.substr(i);
    while (!name.empty() && (name.back() == ' ' || name.back() == '\t')) name.pop_back();
    if (name.size() >= 2 && name.front() == '"' && name.back() == '"') name = name.substr(1, name.size() - 2);
    if (name.empty()) return 1;
    const HINSTANCE result = ShellExecuteA(nullptr, "open", name.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    return reinterpret_cast<INT_PTR>(result) > 32 ? 0 : 1;
}
