#include "platform/ui/tests/ui_driver.h"

#include <commctrl.h>
#include <prsht.h>

namespace uitest {
namespace {

thread_local Steps* g_steps = nullptr;
thread_local bool g_fired = false;

BOOL CALLBACK EndDialogWindow(HWND hwnd, LPARAM) {
    char name[16] = {};
    GetClassNameA(hwnd, name, sizeof(name));
    if (lstrcmpA(name, "#32770") == 0) {
        PostMessageA(hwnd, WM_COMMAND, IDCANCEL, 0);
        EndDialog(hwnd, -77);
    }
    return TRUE;
}

void CALLBACK WatchdogTick(HWND, UINT, UINT_PTR, DWORD) {
    g_fired = true;
    EnumThreadWindows(GetCurrentThreadId(), EndDialogWindow, 0);
}

struct MessageBoxSearch {
    HWND found = nullptr;
};

BOOL CALLBACK FindBox(HWND hwnd, LPARAM lp) {
    char name[16] = {};
    GetClassNameA(hwnd, name, sizeof(name));
    if (lstrcmpA(name, "#32770") == 0 && IsWindowVisible(hwnd) && GetDlgItem(hwnd, 0xFFFF)) {
        reinterpret_cast<MessageBoxSearch*>(lp)->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

Steps::Steps(std::vector<Step> steps, UINT interval) : steps_(std::move(steps)) {
    g_steps = this;
    timer_ = SetTimer(nullptr, 0, interval, Tick);
}

Steps::~Steps() {
    KillTimer(nullptr, timer_);
    g_steps = nullptr;
}

void CALLBACK Steps::Tick(HWND, UINT, UINT_PTR, DWORD) {
    Steps* steps = g_steps;
    if (!steps || steps->Done()) return;
    // Advance first: a step that opens a modal loop lets the next one run inside it.
    size_t index = steps->next_++;
    if (!steps->steps_[index]() && steps->next_ == index + 1) steps->next_ = index;
}

Watchdog::Watchdog(UINT milliseconds) {
    g_fired = false;
    timer_ = SetTimer(nullptr, 0, milliseconds, WatchdogTick);
}

Watchdog::~Watchdog() { KillTimer(nullptr, timer_); }

bool Watchdog::Fired() const { return g_fired; }

void Pump(DWORD milliseconds) {
    DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        Sleep(5);
    }
}

HWND FindMessageBox(std::string* text) {
    MessageBoxSearch search;
    EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&search));
    if (search.found && text) {
        char buffer[512] = {};
        GetDlgItemTextA(search.found, 0xFFFF, buffer, sizeof(buffer));
        *text = buffer;
    }
    return search.found;
}

bool AnswerMessageBox(int button, std::string* text) {
    HWND box = FindMessageBox(text);
    if (!box) return false;
    PostMessageA(box, WM_COMMAND, button, 0);
    return true;
}

}  // namespace uitest
