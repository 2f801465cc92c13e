#include "platform/ui/window.h"

#include <unordered_map>

#include "platform/guard/guard.h"
#include "platform/ui/module.h"

namespace ui {
namespace {

const char kPlainClass[] = "VelmoraWindow";
const char kPreviousProc[] = "VelmoraPreviousProc";

// Windows bound to objects on this thread. While it holds any, a message hook
// hands every queued message to the objects' PreTranslateMessage, whichever
// loop (a dialog box, a property sheet, a menu) retrieves it.
struct ThreadWindows {
    std::unordered_map<HWND, Window*> objects;
    HHOOK hook = nullptr;
};

// Null while the thread has none bound. A plain pointer: a thread_local
// with a destructor needs the runtime's thread-exit hook, which imports
// what Windows 95 and NT 4 lack.
thread_local ThreadWindows* g_bound = nullptr;

ThreadWindows& Bound() {
    if (!g_bound) g_bound = new ThreadWindows;
    return *g_bound;
}

bool RoutePreTranslate(MSG& msg) {
    for (HWND hwnd = msg.hwnd; hwnd; ) {
        Window* object = Window::FromHandle(hwnd);
        if (object && object->PreTranslateMessage(msg)) return true;
        if (!IsWindow(hwnd) || !(GetWindowLongPtrA(hwnd, GWL_STYLE) & WS_CHILD)) break;
        hwnd = GetParent(hwnd);
    }
    return false;
}

LRESULT CALLBACK GetMessageHook(int code, WPARAM wp, LPARAM lp) {
    if (code == HC_ACTION && wp == PM_REMOVE) {
        MSG& msg = *reinterpret_cast<MSG*>(lp);
        if (msg.message != WM_NULL && guard::Call("message filter", false, [&] { return RoutePreTranslate(msg); })) {
            msg.message = WM_NULL;
            msg.wParam = 0;
            msg.lParam = 0;
        }
    }
    return CallNextHookEx(nullptr, code, wp, lp);
}

void Register(HWND hwnd, Window* object) {
    ThreadWindows& bound = Bound();
    bound.objects[hwnd] = object;
    if (!bound.hook && OwnsProcessThreads()) {
        bound.hook = SetWindowsHookExA(WH_GETMESSAGE, GetMessageHook, nullptr, GetCurrentThreadId());
    }
}

void Unregister(HWND hwnd) {
    if (!g_bound) return;
    g_bound->objects.erase(hwnd);
    if (!g_bound->objects.empty()) return;
    if (g_bound->hook) UnhookWindowsHookEx(g_bound->hook);
    delete g_bound;
    g_bound = nullptr;
}

bool IsCtlColor(UINT msg) { return msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC; }

}  // namespace

Window::~Window() {
    if (hwnd_ && owned_) DestroyWindow(hwnd_);
    if (hwnd_) Unbind();
}

Window* Window::FromHandle(HWND hwnd) {
    if (!g_bound) return nullptr;
    auto& objects = g_bound->objects;
    auto it = objects.find(hwnd);
    return it == objects.end() ? nullptr : it->second;
}

bool Window::Attach(HWND hwnd) {
    if (hwnd_ || !hwnd || !IsWindow(hwnd) || FromHandle(hwnd)) return false;
    hwnd_ = hwnd;
    Register(hwnd, this);
    return true;
}

HWND Window::Detach() {
    HWND hwnd = hwnd_;
    if (hwnd) Unbind();
    return hwnd;
}

bool Window::Subclass(HWND hwnd) {
    if (!Attach(hwnd)) return false;
    previous_ = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
    SetPropA(hwnd, kPreviousProc, reinterpret_cast<HANDLE>(previous_));
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubclassProc));
    return true;
}

bool Window::SubclassDlgItem(int id, HWND parent) {
    return Subclass(GetDlgItem(parent, id));
}

void Window::Unbind() {
    if (previous_ && IsWindow(hwnd_) &&
        GetWindowLongPtrA(hwnd_, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(SubclassProc)) {
        SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous_));
        RemovePropA(hwnd_, kPreviousProc);
    }
    Unregister(hwnd_);
    hwnd_ = nullptr;
    previous_ = nullptr;
    owned_ = false;
}

LRESULT CALLBACK Window::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (Window* object = FromHandle(hwnd)) return object->Dispatch(msg, wp, lp);
    // Unbound while another procedure sat above ours: pass everything on.
    auto previous = reinterpret_cast<WNDPROC>(GetPropA(hwnd, kPreviousProc));
    return previous ? CallWindowProcA(previous, hwnd, msg, wp, lp) : DefWindowProcA(hwnd, msg, wp, lp);
}

namespace {

// The plain class binds its window to the object passed at creation.
LRESULT CALLBACK PlainClassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* object = static_cast<Window*>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams);
        if (object && guard::Call("window creation", false, [&] { return object->Subclass(hwnd); })) {
            return object->Send(msg, wp, lp);
        }
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

void RegisterPlainClass() {
    WNDCLASSA wc = {};
    HINSTANCE instance = ResourceModule();
    if (GetClassInfoA(instance, kPlainClass, &wc)) return;
    wc.lpfnWndProc = PlainClassProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    wc.lpszClassName = kPlainClass;
    RegisterClassA(&wc);
}

}  // namespace

bool Window::Create(DWORD exStyle, const std::string& title, DWORD style,
                    const RECT& rect, HWND parent, int id) {
    if (hwnd_) return false;
    RegisterPlainClass();
    HMENU menu = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)) : nullptr;
    HWND hwnd = CreateWindowExA(exStyle, kPlainClass, title.c_str(), style, rect.left, rect.top,
                                rect.right - rect.left, rect.bottom - rect.top, parent, menu,
                                ResourceModule(), this);
    if (!hwnd) return false;
    owned_ = true;
    return true;
}

void Window::Destroy() {
    if (hwnd_) DestroyWindow(hwnd_);
}

LRESULT Window::Dispatch(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = guard::Call("window procedure", LRESULT(0), [&] { return WindowProc(msg, wp, lp); });
    if (msg == WM_NCDESTROY && hwnd_) {
        Unbind();
        OnFinalMessage();
    }
    return result;
}

LRESULT Window::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (ReflectToChild(msg, wp, lp, result)) return result;
    switch (msg) {
    case WM_COMMAND:
        if (OnCommand(LOWORD(wp), HIWORD(wp), reinterpret_cast<HWND>(lp))) return 0;
        break;
    case WM_NOTIFY:
        if (OnNotify(*reinterpret_cast<NMHDR*>(lp), result)) return result;
        break;
    }
    return DefaultProc(msg, wp, lp);
}

LRESULT Window::DefaultProc(UINT msg, WPARAM wp, LPARAM lp) {
    return previous_ ? CallWindowProcA(previous_, hwnd_, msg, wp, lp)
                     : DefWindowProcA(hwnd_, msg, wp, lp);
}

bool Window::ReflectToChild(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    HWND child = nullptr;
    if (msg == WM_COMMAND || IsCtlColor(msg)) {
        child = reinterpret_cast<HWND>(lp);
    } else if (msg == WM_NOTIFY) {
        child = reinterpret_cast<NMHDR*>(lp)->hwndFrom;
    } else if (msg == WM_DRAWITEM) {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
        if (item->CtlType != ODT_MENU) child = item->hwndItem;
    }
    Window* object = child ? FromHandle(child) : nullptr;
    if (!object || object == this) return false;
    switch (msg) {
    case WM_COMMAND:
        result = 0;
        return object->OnReflectedCommand(HIWORD(wp));
    case WM_NOTIFY:
        return object->OnReflectedNotify(*reinterpret_cast<NMHDR*>(lp), result);
    case WM_DRAWITEM:
        result = TRUE;
        return object->OnReflectedDrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(lp));
    default:
        HBRUSH brush = object->OnReflectedCtlColor(msg, reinterpret_cast<HDC>(wp));
        result = reinterpret_cast<LRESULT>(brush);
        return brush != nullptr;
    }
}

bool Window::OnCommand(UINT, UINT, HWND) { return false; }
bool Window::OnNotify(NMHDR&, LRESULT&) { return false; }
bool Window::OnReflectedCommand(UINT) { return false; }
bool Window::OnReflectedNotify(NMHDR&, LRESULT&) { return false; }
bool Window::OnReflectedDrawItem(DRAWITEMSTRUCT&) { return false; }
HBRUSH Window::OnReflectedCtlColor(UINT, HDC) { return nullptr; }
bool Window::PreTranslateMessage(MSG&) { return false; }

UINT_PTR Window::SetTimer(UINT_PTR id, UINT milliseconds) {
    return ::SetTimer(hwnd_, id, milliseconds, nullptr);
}

void Window::KillTimer(UINT_PTR id) { ::KillTimer(hwnd_, id); }

LRESULT Window::Send(UINT msg, WPARAM wp, LPARAM lp) const {
    return SendMessageA(hwnd_, msg, wp, lp);
}

bool Window::Post(UINT msg, WPARAM wp, LPARAM lp) const {
    return PostMessageA(hwnd_, msg, wp, lp) != FALSE;
}

std::string Window::GetText() const { return WindowText(hwnd_); }
void Window::SetText(const std::string& text) { SetWindowTextA(hwnd_, text.c_str()); }
std::string Window::GetItemText(int id) const { return WindowText(Item(id)); }
void Window::SetItemText(int id, const std::string& text) { SetDlgItemTextA(hwnd_, id, text.c_str()); }
void Window::EnableItem(int id, bool enable) { EnableWindow(Item(id), enable); }
void Window::ShowItem(int id, bool show) { ShowWindow(Item(id), show ? SW_SHOW : SW_HIDE); }

UINT RegisterMessage(const char* name) { return RegisterWindowMessageA(name); }

std::string WindowText(HWND hwnd) {
    int length = GetWindowTextLengthA(hwnd);
    if (length <= 0) return std::string();
    std::string text(length + 1, '\0');
    text.resize(GetWindowTextA(hwnd, &text[0], length + 1));
    return text;
}

}  // namespace ui
