// A stand-in popup blocker (copied as Halvane.exe beside the helper): a
// top-level window titled as "blocker.ini" in its folder says, which writes
// "start" and every private message it receives to "blocker.log" there.
// WM_LAST_BROWSER_CLOSED ends it, as it ends the real program; so do
// WM_CLOSE and one minute without either.
#include <windows.h>

#include <string>

namespace {

std::string g_log;

void Log(const std::string& line) {
    HANDLE file = CreateFileA(g_log.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    const std::string text = line + "\n";
    DWORD written = 0;
    WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
}

LRESULT CALLBACK Proc(HWND wnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg >= WM_USER) Log("msg " + std::to_string(msg));
    if (msg == 0x8016 || msg == WM_CLOSE || (msg == WM_TIMER && wp == 1)) {
        DestroyWindow(wnd);
        return 0;
    }
    if (msg == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(wnd, msg, wp, lp);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string folder = self;
    folder = folder.substr(0, folder.find_last_of('\\'));
    g_log = folder + "\\blocker.log";
    char title[256] = "";
    GetPrivateProfileStringA("blocker", "title", "", title, sizeof title,
                             (folder + "\\blocker.ini").c_str());
    WNDCLASSA cls = {};
    cls.lpfnWndProc = Proc;
    cls.hInstance = instance;
    cls.lpszClassName = "VintabarTestBlocker";
    RegisterClassA(&cls);
    HWND wnd = CreateWindowExA(WS_EX_TOOLWINDOW, cls.lpszClassName, title, 0, 0, 0, 0, 0, nullptr,
                               nullptr, instance, nullptr);
    if (!wnd) return 1;
    SetTimer(wnd, 1, 60000, nullptr);
    Log("start");
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) DispatchMessageA(&msg);
    return 0;
}
