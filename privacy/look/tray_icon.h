// CTrayIcon: Corbelt's notification-area icon. Icons are arranged in rows of
// frames; a row is shown static (mode 1), hidden (2), blinking against a
// blank icon (3) or animated through its frames (4). Mouse messages of the
// icon go to the callbacks registered with AddCallback, through a hidden
// "SS_Wnd" window (CTrayNotifyWnd) unless the owner gives its own window.
// The shell is reached through TrayShell, so tests can watch the calls.
#pragma once
#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace privacy {

class CTrayNotifyWnd;

// The shell's notification-icon call.
class TrayShell {
public:
    virtual ~TrayShell() = default;
    virtual bool Notify(DWORD action, NOTIFYICONDATAA& data) = 0;
};
TrayShell& SystemTrayShell();

// Receives (icon id, mouse message).
using TrayCallback = std::function<void(UINT, UINT)>;

class CTrayIcon {
public:
    enum Mode { kKeep = 0, kStatic = 1, kHidden = 2, kBlink = 3, kAnimate = 4 };

    // window: where the icon's messages go; nullptr makes and owns an
    // "SS_Wnd" window (whose timers drive blinking and animation; an owner
    // window must pass its timer 1 to OnAnimationTimer itself). shell:
    // nullptr for the real one.
    CTrayIcon(HINSTANCE instance, int rows, int framesPerRow, HWND window = nullptr,
              TrayShell* shell = nullptr);
    ~CTrayIcon();
    CTrayIcon(const CTrayIcon&) = delete;
    CTrayIcon& operator=(const CTrayIcon&) = delete;

    // The frame shows icon resource iconId (-1: the blank icon) for delay ms.
    void SetIcon(int row, int frame, int iconId, UINT delay);
    // Shows `row` (-1: the current row) in `mode` (kKeep: the row's own).
    bool Show(int row, int mode);
    // Removes the icon and stops the animation; nothing when not shown.
    bool Hide();

    // Appends to the process-wide callback list; the first entry for a
    // mouse message is the one that runs.
    static void AddCallback(UINT mouseMessage, TrayCallback callback);
    static void ClearCallbacks();
    // Runs the callback for mouseMessage, if any. True when one ran.
    static bool RunCallback(UINT iconId, UINT mouseMessage);

    // Timer 1: the next frame of the current row.
    void OnAnimationTimer(UINT_PTR id);
    // The shell was restarted: a shown icon is added again.
    void OnTaskbarCreated();

    HWND Window() const { return window_; }
    bool Visible() const { return visible_; }
    int CurrentRow() const { return currentRow_; }
    int CurrentFrame() const;
    HICON CurrentIcon() const;
    HICON BlankIcon();
    int FramesPerRow() const { return framesPerRow_; }

private:
    struct Frame {
        HICON icon = nullptr;
        bool owned = false;
        UINT delay = 500;
    };
    struct Row {
        std::vector<Frame> frames;
        int mode = kStatic;
        int current = 0;
        int last = 0;
    };

    Row* RowAt(int row);
    void SetFrameIcon(Frame& frame, HICON icon, bool owned);
    bool Send(DWORD action, bool balloon);
    void StartAnimation();
    void StopAnimation();

    HINSTANCE instance_;
    std::vector<Row> rows_;
    int framesPerRow_;
    bool visible_ = false;  // the shell holds the icon
    bool wanted_ = false;   // shown by the program, whether or not the shell took it
    int currentRow_ = 0;
    HICON blank_ = nullptr;
    HWND window_;
    std::unique_ptr<CTrayNotifyWnd> notify_;
    TrayShell* shell_;
};

}  // namespace privacy
