// A stand-in for the blocking script and the browser helper in the
// end-to-end test:
//   halvane_poke mark <seconds>  shows a window titled with the popup marker
//                                and waits until the marker is gone (exit 0)
//                                or the time is up (exit 1);
//   halvane_poke close <title>   posts WM_LAST_BROWSER_CLOSED to the window
//                                of that title (exit 1 when there is none).
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "common/suite/blinkward.h"
#include "popup/res/resource_ids.h"
#include "popup/title_scan.h"

namespace {

int Mark(int seconds) {
    const std::string title = std::string("Blocked ad ") + popup::kPopupMarker;
    HWND window = CreateWindowExA(0, "STATIC", title.c_str(), WS_POPUP, 0, 0, 20, 20, nullptr,
                                  nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!window) return 2;
    const DWORD deadline = GetTickCount() + static_cast<DWORD>(seconds) * 1000;
    char text[260] = {};
    while (GetTickCount() < deadline) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
        GetWindowTextA(window, text, sizeof(text));
        if (std::string(text).find(popup::kPopupMarker) == std::string::npos) {
            std::printf("marker taken: \"%s\"\n", text);
            DestroyWindow(window);
            return 0;
        }
        Sleep(20);
    }
    std::printf("marker still there: \"%s\"\n", text);
    DestroyWindow(window);
    return 1;
}

int Close(const char* title) {
    HWND window = FindWindowA(nullptr, title);
    if (!window) {
        std::printf("no window titled \"%s\"\n", title);
        return 1;
    }
    return PostMessageA(window, suite::blinkward::WM_LAST_BROWSER_CLOSED, 0, 0) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 2 ? argv[1] : "";
    if (mode == "mark") return Mark(std::atoi(argv[2]));
    if (mode == "close") return Close(argv[2]);
    std::fprintf(stderr, "usage: halvane_poke mark <seconds> | close <title>\n");
    return 2;
}
