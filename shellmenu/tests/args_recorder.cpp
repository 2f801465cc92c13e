// Stands in for the shredder in the context-menu tests: writes the command
// line it was started with to "args.txt" beside itself, then ends.
#include <windows.h>

#include <string>

int main() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string file = path;
    file = file.substr(0, file.find_last_of('\\')) + "\\args.txt";
    const char* line = GetCommandLineA();
    HANDLE out = CreateFileA(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (out == INVALID_HANDLE_VALUE) return 1;
    DWORD written = 0;
    WriteFile(out, line, lstrlenA(line), &written, nullptr);
    CloseHandle(out);
    return 0;
}
