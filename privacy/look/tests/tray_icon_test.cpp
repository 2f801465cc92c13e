// The tray icon against a recording shell: modes, blinking, frames, the
// welcome balloon, the shell's restart, and telling a click from a double
// click on the notification window.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/module.h"
#include "platform/ui/tests/ui_driver.h"
#include "privacy/look/look_messages.h"
#include "privacy/look/skin_res.h"
#include "privacy/look/tray_icon.h"

namespace {

using privacy::CTrayIcon;

struct Call {
    DWORD action;
    HICON icon;
    bool balloon;
    std::string tip;
};

class RecordingShell : public privacy::TrayShell {
public:
    std::vector<Call> calls;
    bool Notify(DWORD action, NOTIFYICONDATAA& data) override {
        const bool balloon = (data.uFlags & NIF_INFO) && data.szInfo[0];
        calls.push_back({action, data.hIcon, balloon, data.szTip});
        EXPECT_EQ(privacy::WM_TRAY_NOTIFY, data.uCallbackMessage);
        EXPECT_EQ(privacy::kTrayIconId, data.uID);
        return true;
    }
};

TEST(TrayIcon, HiddenModeRemovesTheIconAndStaticAddsItAgainWithTheBalloonOnlyOnArrival) {
    RecordingShell shell;
    {
        CTrayIcon tray(ui::ResourceModule(), 1, 1, nullptr, &shell);
        ASSERT_NE(nullptr, tray.Window());
        tray.SetIcon(0, 0, IDI_CORBELT, 500);
        EXPECT_TRUE(tray.Show(0, CTrayIcon::kStatic));
        EXPECT_TRUE(tray.Show(-1, CTrayIcon::kStatic));
        EXPECT_TRUE(tray.Show(0, CTrayIcon::kHidden));
        EXPECT_FALSE(tray.Visible());
        EXPECT_TRUE(tray.Show(0, CTrayIcon::kStatic));
        EXPECT_TRUE(tray.Visible());

        // The shell restarts: the icon comes back without a second welcome.
        SendMessageA(tray.Window(), RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    }
    ASSERT_EQ(6u, shell.calls.size());
    EXPECT_EQ(DWORD(NIM_ADD), shell.calls[0].action);
    EXPECT_TRUE(shell.calls[0].balloon);
    EXPECT_NE(nullptr, shell.calls[0].icon);
    EXPECT_EQ("Velmora Veilstride", shell.calls[0].tip);
    EXPECT_EQ(DWORD(NIM_MODIFY), shell.calls[1].action);
    EXPECT_FALSE(shell.calls[1].balloon);
    EXPECT_EQ(DWORD(NIM_DELETE), shell.calls[2].action);
    EXPECT_EQ(DWORD(NIM_ADD), shell.calls[3].action);
    EXPECT_EQ(DWORD(NIM_ADD), shell.calls[4].action);
    EXPECT_FALSE(shell.calls[4].balloon);
    EXPECT_EQ(DWORD(NIM_DELETE), shell.calls[5].action);  // the destructor removes it
}

TEST(TrayIcon, BlinkAlternatesWithTheBlankIconEvenWithOneFramePerRow) {
    RecordingShell shell;
    CTrayIcon tray(ui::ResourceModule(), 1, 1, nullptr, &shell);
    EXPECT_EQ(2, tray.FramesPerRow());
    tray.SetIcon(0, 0, IDI_CORBELT, 300);
    tray.Show(0, CTrayIcon::kBlink);
    const HICON normal = shell.calls.back().icon;
    std::vector<HICON> shown;
    for (int i = 0; i < 4; ++i) {
        tray.OnAnimationTimer(privacy::kTrayAnimationTimer);
        shown.push_back(shell.calls.back().icon);
    }
    EXPECT_EQ((std::vector<HICON>{tray.BlankIcon(), normal, tray.BlankIcon(), normal}), shown);
    EXPECT_NE(normal, tray.BlankIcon());

    // Back to static on the blank frame: the icon shows again and the
    // timer no longer changes anything.
    tray.OnAnimationTimer(privacy::kTrayAnimationTimer);
    ASSERT_EQ(tray.BlankIcon(), shell.calls.back().icon);
    tray.Show(0, CTrayIcon::kStatic);
    EXPECT_EQ(normal, shell.calls.back().icon);
    const size_t calls = shell.calls.size();
    uitest::Pump(450);
    EXPECT_EQ(calls, shell.calls.size());
}

TEST(TrayIcon, AnimationRunsThroughTheFramesSetAndWraps) {
    RecordingShell shell;
    CTrayIcon tray(ui::ResourceModule(), 2, 4, nullptr, &shell);
    tray.SetIcon(1, 0, IDI_CORBELT, 100);
    tray.SetIcon(1, 1, -1, 100);
    tray.SetIcon(1, 2, IDI_CORBELT, 100);
    tray.Show(1, CTrayIcon::kAnimate);
    std::vector<int> frames;
    for (int i = 0; i < 4; ++i) {
        tray.OnAnimationTimer(privacy::kTrayAnimationTimer);
        frames.push_back(tray.CurrentFrame());
    }
    EXPECT_EQ((std::vector<int>{1, 2, 0, 1}), frames);  // frame 3 was never set
    EXPECT_EQ(1, tray.CurrentRow());
}

struct Clicks {
    std::vector<std::string> seen;
};

TEST(TrayIcon, ADoubleClickRunsOnlyTheDoubleClickCallbackAndASingleClickWaitsForItsTimer) {
    CTrayIcon::ClearCallbacks();
    Clicks clicks;
    CTrayIcon::AddCallback(WM_LBUTTONDOWN, [&](UINT, UINT) { clicks.seen.push_back("single"); });
    CTrayIcon::AddCallback(WM_LBUTTONDBLCLK, [&](UINT, UINT) { clicks.seen.push_back("double"); });
    CTrayIcon::AddCallback(WM_RBUTTONUP, [&](UINT id, UINT) { clicks.seen.push_back("menu " + std::to_string(id)); });
    CTrayIcon::AddCallback(WM_RBUTTONUP, [&](UINT, UINT) { clicks.seen.push_back("second menu"); });
    RecordingShell shell;
    CTrayIcon tray(ui::ResourceModule(), 1, 1, nullptr, &shell);
    HWND window = tray.Window();

    EXPECT_EQ(0, SendMessageA(window, privacy::WM_TRAY_NOTIFY, 1, WM_LBUTTONDOWN));
    SendMessageA(window, privacy::WM_TRAY_NOTIFY, 1, WM_LBUTTONUP);
    SendMessageA(window, privacy::WM_TRAY_NOTIFY, 1, WM_LBUTTONDBLCLK);
    uitest::Pump(GetDoubleClickTime() + 150);
    EXPECT_EQ((std::vector<std::string>{"double"}), clicks.seen);

    clicks.seen.clear();
    SendMessageA(window, privacy::WM_TRAY_NOTIFY, 1, WM_LBUTTONDOWN);
    EXPECT_TRUE(clicks.seen.empty());
    SendMessageA(window, WM_TIMER, privacy::kTrayClickTimer, 0);  // the click timer, driven here
    EXPECT_EQ((std::vector<std::string>{"single"}), clicks.seen);
    uitest::Pump(GetDoubleClickTime() + 150);                      // nothing left to fire
    EXPECT_EQ(1u, clicks.seen.size());

    clicks.seen.clear();
    SendMessageA(window, privacy::WM_TRAY_NOTIFY, 1, WM_LBUTTONDOWN);
    uitest::Pump(GetDoubleClickTime() + 200);                      // the real timer
    SendMessageA(window, privacy::WM_TRAY_NOTIFY, 1, WM_RBUTTONUP);
    EXPECT_EQ((std::vector<std::string>{"single", "menu 1"}), clicks.seen);

    // Everything else is the system's default handling.
    EXPECT_EQ(0, SendMessageA(window, WM_GETTEXTLENGTH, 0, 0));
    EXPECT_EQ(TRUE, SendMessageA(window, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("x")));
    EXPECT_EQ(1, SendMessageA(window, WM_GETTEXTLENGTH, 0, 0));
    CTrayIcon::ClearCallbacks();
}

}  // namespace
