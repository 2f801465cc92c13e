#pragma once
// Window objects: one C++ object per window handle. Every class handles its
// messages in one virtual procedure, WindowProc, with a switch over the
// messages it cares about; whatever it leaves goes to its base class.
// Commands and notifications arrive already split through OnCommand and
// OnNotify; a control's own WM_COMMAND, WM_NOTIFY, WM_DRAWITEM and
// WM_CTLCOLOR* messages are first offered to the control's object
// (OnReflected*), so a control class can handle what concerns only itself.
#include <windows.h>
#include <string>

namespace ui {

class Window {
public:
    Window() = default;
    virtual ~Window();
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;

    HWND Handle() const { return hwnd_; }
    // The object bound to a window of this thread, or nullptr.
    static Window* FromHandle(HWND hwnd);

    // Binds an existing window to this object; its messages stay where they are.
    bool Attach(HWND hwnd);
    HWND Detach();
    // Binds an existing window and routes its messages through WindowProc.
    bool Subclass(HWND hwnd);
    bool SubclassDlgItem(int id, HWND parent);

    // A window of the suite's plain window class, owned by this object.
    bool Create(DWORD exStyle, const std::string& title, DWORD style,
                const RECT& rect, HWND parent, int id = 0);
    void Destroy();

    UINT_PTR SetTimer(UINT_PTR id, UINT milliseconds);
    void KillTimer(UINT_PTR id);

    LRESULT Send(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const;
    bool Post(UINT msg, WPARAM wp = 0, LPARAM lp = 0) const;
    std::string GetText() const;
    void SetText(const std::string& text);
    HWND Item(int id) const { return GetDlgItem(hwnd_, id); }
    std::string GetItemText(int id) const;
    void SetItemText(int id, const std::string& text);
    void EnableItem(int id, bool enable);
    void ShowItem(int id, bool show);

    // Sees every queued message for this window or one of its children
    // before the thread's message loop (modal ones included) dispatches it.
    // True: the message has been handled and is dropped.
    virtual bool PreTranslateMessage(MSG& msg);

protected:
    virtual LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp);
    // The processing the window had before this object: its class procedure,
    // or for dialogs the dialog manager's own.
    virtual LRESULT DefaultProc(UINT msg, WPARAM wp, LPARAM lp);

    // WM_COMMAND not taken by the sending control itself. True: handled.
    virtual bool OnCommand(UINT id, UINT code, HWND control);
    // WM_NOTIFY not taken by the sending control itself.
    virtual bool OnNotify(NMHDR& header, LRESULT& result);

    // The control's own messages, reflected from its parent.
    virtual bool OnReflectedCommand(UINT code);
    virtual bool OnReflectedNotify(NMHDR& header, LRESULT& result);
    virtual bool OnReflectedDrawItem(DRAWITEMSTRUCT& item);
    // A brush answers the colour request; nullptr leaves it to the parent.
    virtual HBRUSH OnReflectedCtlColor(UINT msg, HDC dc);

    // After the last message of the window, once the object is unbound.
    virtual void OnFinalMessage() {}

    // Runs one message through WindowProc and unbinds the object after the
    // window's last message.
    LRESULT Dispatch(UINT msg, WPARAM wp, LPARAM lp);
    void MarkOwned() { owned_ = true; }

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    bool ReflectToChild(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);
    void Unbind();

    HWND hwnd_ = nullptr;
    WNDPROC previous_ = nullptr;
    bool owned_ = false;
};

// A message number shared by name between windows and programs.
UINT RegisterMessage(const char* name);
std::string WindowText(HWND hwnd);

}  // namespace ui
