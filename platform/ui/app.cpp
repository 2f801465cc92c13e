#include "platform/ui/app.h"

#include <objbase.h>
#include <ole2.h>

#include "platform/registry/reg_key.h"

namespace ui {
namespace {

App* g_app = nullptr;

// The top-level window a child belongs to (GetAncestor's GA_ROOT, which
// Windows 95 lacks).
HWND RootOf(HWND window) {
    while (window && (GetWindowLongA(window, GWL_STYLE) & WS_CHILD)) {
        HWND parent = GetParent(window);
        if (!parent) break;
        window = parent;
    }
    return window;
}

}  // namespace

App::App() { g_app = this; }

App::~App() {
    if (oleStarted_) OleUninitialize();
    if (g_app == this) g_app = nullptr;
}

App* App::Current() { return g_app; }

int App::Run(HINSTANCE instance, const char* commandLine, int show) {
    instance_ = instance;
    commandLine_ = commandLine ? commandLine : "";
    show_ = show;
    if (InitInstance()) {
        MSG msg;
        while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
    }
    return ExitInstance();
}

int App::ExitInstance() {
    if (oleStarted_) {
        OleUninitialize();
        oleStarted_ = false;
    }
    return 0;
}

std::string App::ModulePath() const {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(instance_, path, MAX_PATH);
    return path;
}

std::string App::ProgramFolder() const {
    std::string path = ModulePath();
    std::string::size_type slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

int App::MessageBox(const std::string& text, UINT flags, HWND owner) const {
    return ::MessageBoxA(owner, text.c_str(), caption_.c_str(), flags);
}

void App::SetDialogColors(COLORREF background, COLORREF text) {
    background_.Reset(CreateSolidBrush(background));
    textColor_ = text;
    colors_ = true;
}

HBRUSH App::DialogColor(UINT msg, HDC dc) const {
    if (!colors_) return nullptr;
    switch (msg) {
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
        LOGBRUSH brush = {};
        GetObjectA(background_.Get(), sizeof(brush), &brush);
        SetBkColor(dc, brush.lbColor);
        SetTextColor(dc, textColor_);
        return background_.Get();
    }
    default:
        return nullptr;
    }
}

std::string App::SectionKey(const std::string& section) const {
    return section.empty() ? registryKey_ : registryKey_ + "\\" + section;
}

std::string App::GetProfileString(const std::string& section, const std::string& entry,
                                  const std::string& fallback) const {
    CRegKey key;
    if (registryKey_.empty() || !key.Open(HKEY_CURRENT_USER, SectionKey(section).c_str(), KEY_READ))
        return fallback;
    std::string value;
    DWORD type = 0;
    if (!key.ReadBytes(entry.c_str(), value, &type) || (type != REG_SZ && type != REG_EXPAND_SZ))
        return fallback;
    while (!value.empty() && value.back() == '\0') value.pop_back();
    return value;
}

bool App::WriteProfileString(const std::string& section, const std::string& entry,
                             const std::string& value) const {
    CRegKey key;
    return !registryKey_.empty() &&
           key.Create(HKEY_CURRENT_USER, SectionKey(section).c_str(), KEY_WRITE) &&
           key.WriteString(entry.c_str(), value);
}

DWORD App::GetProfileInt(const std::string& section, const std::string& entry, DWORD fallback) const {
    CRegKey key;
    DWORD value = 0;
    if (registryKey_.empty() || !key.Open(HKEY_CURRENT_USER, SectionKey(section).c_str(), KEY_READ) ||
        !key.ReadDword(entry.c_str(), value)) {
        return fallback;
    }
    return value;
}

bool App::WriteProfileInt(const std::string& section, const std::string& entry, DWORD value) const {
    CRegKey key;
    return !registryKey_.empty() &&
           key.Create(HKEY_CURRENT_USER, SectionKey(section).c_str(), KEY_WRITE) &&
           key.WriteDword(entry.c_str(), value);
}

bool App::EnableControlContainer() {
    if (!oleStarted_) oleStarted_ = SUCCEEDED(OleInitialize(nullptr));
    return oleStarted_;
}

int ShowMessage(HWND owner, const std::string& text, UINT flags) {
    if (App* app = App::Current()) return app->MessageBox(text, flags, owner);
    std::string caption;
    if (owner) {
        char title[256] = {};
        GetWindowTextA(RootOf(owner), title, sizeof(title));
        caption = title;
    }
    return MessageBoxA(owner, text.c_str(), caption.c_str(), flags);
}

}  // namespace ui
