// What the end-to-end test and the run command do to the installed program
// from inside its Wine prefix:
//   corbelt_poke options <file>   writes a settings file whose default
//                                 options route every site through the hub
//   corbelt_poke exit             chooses Exit in the tray menu and waits
//                                 (up to a minute) until the window is gone
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "privacy/app/corbelt_dlg.h"
#include "privacy/core/options_file.h"

namespace {

constexpr char kTitle[] = "Velmora Veilstride";

HWND MainWindow() { return FindWindowA("#32770", kTitle); }

int Exit() {
    const HWND window = MainWindow();
    if (window == nullptr) {
        std::fprintf(stderr, "no window titled %s\n", kTitle);
        return 1;
    }
    PostMessageA(window, WM_COMMAND, privacy::ID_TRAY_EXIT, 0);
    for (int tick = 0; tick < 600 && IsWindow(window); ++tick) Sleep(100);
    return IsWindow(window) ? 1 : 0;
}

int WriteOptions(const char* path) {
    privacy::PrivacySettings settings;
    settings.defaults.hub = 1;
    if (privacy::SaveOptionsFile(path, settings)) return 0;
    std::fprintf(stderr, "cannot write %s\n", path);
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "options") == 0) return WriteOptions(argv[2]);
    if (argc == 2 && std::strcmp(argv[1], "exit") == 0) return Exit();
    std::fprintf(stderr, "usage: corbelt_poke options <file> | exit\n");
    return 2;
}
