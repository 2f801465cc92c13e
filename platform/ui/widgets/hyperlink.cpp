#include "platform/ui/widgets/hyperlink.h"

#include <commctrl.h>
#include <shellapi.h>

#include "platform/registry/reg_key.h"

namespace ui {
namespace {

// The help program's hand cursor, as older systems lack a hand of their own.
const int kHelpHandCursor = 106;
#ifndef IDC_HAND
#define IDC_HAND MAKEINTRESOURCE(32649)
#endif

HCURSOR LoadHelpHand() {
    char folder[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return nullptr;
    const std::string path = std::string(folder) + "\\winhlp32.exe";
    HMODULE module = LoadLibraryExA(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!module) return nullptr;
    HCURSOR cursor = nullptr;
    if (HCURSOR shared = LoadCursorA(module, MAKEINTRESOURCEA(kHelpHandCursor)))
        cursor = CopyCursor(shared);
    FreeLibrary(module);
    return cursor;
}

std::string DefaultValue(HKEY root, const std::string& key) {
    CRegKey open;
    std::string value;
    if (!open.Open(root, key.c_str(), KEY_READ) || !open.ReadString("", value, 1024)) return "";
    return value;
}

bool OpenWithHtmlProgram(const std::string& url, int show) {
    const std::string type = DefaultValue(HKEY_CLASSES_ROOT, ".htm");
    if (type.empty()) return false;
    const std::string command = DefaultValue(HKEY_CLASSES_ROOT, type + "\\shell\\open\\command");
    if (command.empty()) return false;
    return WinExec(BrowserCommandFor(command, url).c_str(), show) > 31;
}

}  // namespace

HCURSOR LinkCursor() {
    static HCURSOR cursor = nullptr;
    if (!cursor) cursor = LoadHelpHand();
    if (!cursor) cursor = LoadCursorA(nullptr, IDC_HAND);
    if (!cursor) cursor = LoadCursorA(nullptr, IDC_ARROW);
    return cursor;
}

std::string BrowserCommandFor(const std::string& openCommand, const std::string& url) {
    std::string command = openCommand;
    std::string::size_type cut = command.find("\"%1\"");
    if (cut == std::string::npos) cut = command.find("%1");
    if (cut != std::string::npos) command.erase(cut);
    while (!command.empty() && command.back() == ' ') command.pop_back();
    return command + " " + url;
}

HyperLink::~HyperLink() {
    if (toolTip_) DestroyWindow(toolTip_);
}

bool HyperLink::Attach(HWND dialog, int id) {
    if (!SubclassDlgItem(id, dialog)) return false;
    // Clicks reach the control; a text sized to fit is never wrapped at a "/".
    LONG_PTR style = GetWindowLongPtrA(Handle(), GWL_STYLE) | SS_NOTIFY;
    if ((style & SS_TYPEMASK) == SS_LEFT) style = (style & ~SS_TYPEMASK) | SS_LEFTNOWORDWRAP;
    SetWindowLongPtrA(Handle(), GWL_STYLE, style);
    if (GetText().empty()) SetText(url_);
    BuildFont();
    if (style_ & kSizeToText) SizeToText();
    toolTip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                               CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, dialog,
                               nullptr, nullptr, nullptr);
    if (toolTip_) {
        TOOLINFOA tool = {};
        tool.cbSize = TTTOOLINFOA_V1_SIZE;  // no lParam: every comctl32 takes it
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = dialog;
        tool.uId = reinterpret_cast<UINT_PTR>(Handle());
        tool.lpszText = const_cast<char*>(url_.c_str());
        SendMessageA(toolTip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
    }
    return true;
}

void HyperLink::SetURL(const std::string& url) {
    url_ = url;
    if (!Handle()) return;
    const bool visible = IsWindowVisible(Handle()) != FALSE;
    ShowWindow(Handle(), SW_HIDE);
    if (GetText().empty()) SetText(url_);
    if (style_ & kSizeToText) SizeToText();
    UpdateToolTip();
    if (visible) ShowWindow(Handle(), SW_SHOW);
}

bool HyperLink::ModifyLinkStyle(DWORD remove, DWORD add, bool redraw) {
    if (remove & add) return false;
    const DWORD before = style_;
    style_ = (style_ & ~remove) | add;
    if (Handle()) {
        if ((before ^ style_) & kUnderline) BuildFont();
        if ((add & kSizeToText) && !(before & kSizeToText)) SizeToText();
        if (redraw) Redraw();
    }
    return true;
}

COLORREF HyperLink::TextColor() const {
    if (hovering_ && (style_ & kHoverColor)) return colors_.hover;
    if (active_ && !(style_ & kNoActiveColor)) return colors_.active;
    if (visited_) return colors_.visited;
    return colors_.link;
}

void HyperLink::BuildFont() {
    HFONT current = reinterpret_cast<HFONT>(SendMessageA(GetParent(Handle()), WM_GETFONT, 0, 0));
    LOGFONTA description = {};
    if (!current || !GetObjectA(current, sizeof(description), &description)) {
        GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof(description), &description);
    }
    description.lfUnderline = (style_ & kUnderline) ? TRUE : FALSE;
    Font font(CreateFontIndirectA(&description));
    if (!font) return;
    Send(WM_SETFONT, reinterpret_cast<WPARAM>(font.Get()), TRUE);
    font_ = std::move(font);
}

void HyperLink::SizeToText() {
    HDC dc = GetDC(Handle());
    if (!dc) return;
    HGDIOBJ previous = SelectObject(dc, font_ ? font_.Get() : GetStockObject(DEFAULT_GUI_FONT));
    const std::string text = GetText();
    // Measured as the control draws it.
    RECT bounds = {0, 0, 0, 0};
    DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &bounds,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(Handle(), dc);
    // Room for the last glyph's overhang, which the measure leaves out.
    SetWindowPos(Handle(), nullptr, 0, 0, bounds.right + metrics.tmAveCharWidth, bounds.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void HyperLink::UpdateToolTip() {
    if (!toolTip_) return;
    TOOLINFOA tool = {};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;
    tool.hwnd = GetParent(Handle());
    tool.uId = reinterpret_cast<UINT_PTR>(Handle());
    tool.lpszText = const_cast<char*>(url_.c_str());
    SendMessageA(toolTip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
}

// The parent paints behind the text: the control's background is transparent.
void HyperLink::Redraw() const {
    RECT rect;
    GetWindowRect(Handle(), &rect);
    HWND parent = GetParent(Handle());
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    InvalidateRect(parent, &rect, TRUE);
    InvalidateRect(Handle(), nullptr, TRUE);
}

bool HyperLink::Follow() {
    const bool opened =
        reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, "open", url_.c_str(), nullptr, nullptr,
                                                show_)) > 32 ||
        OpenWithHtmlProgram(url_, show_);
    if (!opened) {
        MessageBeep(MB_ICONEXCLAMATION);
        return false;
    }
    visited_ = true;
    Redraw();
    return true;
}

void HyperLink::OnMouseMove(POINT point) {
    RECT client;
    GetClientRect(Handle(), &client);
    const bool inside = PtInRect(&client, point) != FALSE;
    if (inside && !hovering_) {
        hovering_ = true;
        SetCapture(Handle());
        Redraw();
    } else if (!inside && hovering_) {
        hovering_ = false;
        ReleaseCapture();
        Redraw();
    }
}

void HyperLink::OnClick(bool down) {
    if (down && (style_ & kFocusOnClick)) SetFocus(Handle());
    if (down == ((style_ & kFollowOnDown) != 0)) {
        active_ = true;
        Follow();
    }
}

LRESULT HyperLink::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_SETCURSOR:
        if (style_ & kNoHandCursor) break;
        SetCursor(LinkCursor());
        return TRUE;
    case WM_NCHITTEST:
        return HTCLIENT;
    case WM_MOUSEMOVE:
        OnMouseMove({static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))});
        return 0;
    case WM_LBUTTONDOWN:
        OnClick(true);
        return 0;
    case WM_LBUTTONUP:
        OnClick(false);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_WANTCHARS;
    case WM_CHAR:
        if (wp == ' ') {
            active_ = true;
            Follow();
            return 0;
        }
        break;
    case WM_KILLFOCUS:
        active_ = false;
        Redraw();
        break;
    case WM_CAPTURECHANGED:
        if (hovering_ && reinterpret_cast<HWND>(lp) != Handle()) {
            hovering_ = false;
            Redraw();
        }
        break;
    default:
        break;
    }
    return Window::WindowProc(msg, wp, lp);
}

HBRUSH HyperLink::OnReflectedCtlColor(UINT, HDC dc) {
    SetTextColor(dc, TextColor());
    SetBkMode(dc, TRANSPARENT);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

}  // namespace ui
