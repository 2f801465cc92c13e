// A stand-in browser (copied as iexplore.exe or explorer.exe beside the
// helper): loads Vintabar.dll from its own folder with HKEY_CURRENT_USER
// pointed at a test's registry tree, and holds it until told to let go.
//   vintabar_host <HKCU subkey> <event prefix or ->
// Exit code 1: the helper stayed loaded; 2: it refused the load.
#include <windows.h>

#include <string>

int main(int argc, char** argv) {
    if (argc < 3) return 3;
    HKEY tree = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, argv[1], 0, KEY_ALL_ACCESS, &tree) != ERROR_SUCCESS ||
        RegOverridePredefKey(HKEY_CURRENT_USER, tree) != ERROR_SUCCESS)
        return 4;
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string dll = self;
    dll = dll.substr(0, dll.find_last_of('\\')) + "\\Vintabar.dll";
    HMODULE helper = LoadLibraryA(dll.c_str());
    if (!helper) return 2;
    const std::string prefix = argv[2];
    if (prefix != "-") {
        HANDLE loaded = CreateEventA(nullptr, TRUE, FALSE, (prefix + ".loaded").c_str());
        HANDLE release = CreateEventA(nullptr, TRUE, FALSE, (prefix + ".release").c_str());
        SetEvent(loaded);
        WaitForSingleObject(release, 30000);
        CloseHandle(release);
        CloseHandle(loaded);
    }
    FreeLibrary(helper);
    RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
    RegCloseKey(tree);
    return 1;
}
