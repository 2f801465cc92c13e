// What the end-to-end test and the run command do to the installed program
// from inside its Wine prefix:
//   corbelt_poke options <file>   writes a settings file whose default
//                                 options route every site through the hub
//   corbelt_poke exit             chooses Exit in the tray menu and waits
//                                 (up to a minute) until the window is gone
//   corbelt_poke open [page]      opens the window from the tray, on page
//                                 0-4 (for a look at it)
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "privacy/app/corbelt_dlg.h"
#include "privacy/core/options_file.h"
#include "privacy/look/look_messages.h"

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

int Open(int page) {
    const HWND window = MainWindow();
    if (window == nullptr) return 1;
    SendMessageA(window, WM_COMMAND, privacy::ID_TRAY_OPEN, 0);
    if (page > 0) SendMessageA(window, privacy::WM_TAB_SELECTED, privacy::kTabBarId, page);
    return 0;
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
    if (argc >= 2 && std::strcmp(argv[1], "open") == 0) return Open(argc > 2 ? std::atoi(argv[2]) : 0);
    std::fprintf(stderr, "usage: corbelt_poke options <file> | exit | open [page]\n");
    return 2;
}
