// The main sheet: tab texts from the language file, the tray icon taken
// away before the sheet closes and never brought back after, the blink, and
// the Format dialog's buttons pressed on a stand-in window only while the
// format call runs.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/testkit/scratch.h"
#include "platform/ui/tests/ui_driver.h"
#include "shredder/shredder_app.h"
#include "shredder/window/my_property_sheet.h"

namespace shredder {
namespace {

struct TrayCall {
    DWORD message;
    HICON icon;
    bool windowAlive;
};

class RecordingTray : public NotifyIconApi {
public:
    bool Notify(DWORD message, NOTIFYICONDATAA& record) override {
        EXPECT_EQ(kTrayRecordSize, record.cbSize);
        EXPECT_EQ(kTrayIconId, record.uID);
        calls.push_back({message, record.hIcon, IsWindow(record.hWnd) != FALSE});
        return accept;
    }
    int Count(DWORD message) const {
        int count = 0;
        for (const TrayCall& call : calls) count += call.message == message;
        return count;
    }
    std::vector<TrayCall> calls;
    bool accept = true;
};

class NoWindows : public WindowFinder {
public:
    HWND FindTopLevel(const std::string& title) override {
        searched.push_back(title);
        return nullptr;
    }
    std::vector<std::string> searched;
};

class MainSheet : public ::testing::Test {
protected:
    // Hidden, as a command-line run makes it; the posted "TaskbarCreated"
    // adds the icon.
    void Open() {
        ASSERT_TRUE(sheet_.CreateHidden());
        uitest::Pump(100);
        ASSERT_EQ(1, tray_.Count(NIM_ADD));
    }
    std::string TabText(int index) {
        char text[100] = {};
        TCITEMA item = {};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = sizeof text;
        SendMessageA(sheet_.GetTabControl(), TCM_GETITEMA, index, reinterpret_cast<LPARAM>(&item));
        return text;
    }

    CShredderApp app_{nullptr};
    RecordingTray tray_;
    NoWindows finder_;
    CMyPropertySheet sheet_{app_, &tray_, &finder_};
};

TEST_F(MainSheet, TabsTakeOnlyPresentKeysThatAreNotTheErrorMark) {
    testkit::ScratchDir dir("sheet-texts");
    CreateDirectoryA(dir.file("Lang").c_str(), nullptr);
    dir.write("Lang\\Test.ini",
              "[Scourwell Language Pack]\r\n9601=Files Here\r\n9602=Error\r\n9606=Shredder Title\r\n");
    app_.Texts().SetLanguage(dir.path(), "Test");
    Open();
    EXPECT_EQ("Shred Options", TabText(0));
    EXPECT_EQ("Files Here", TabText(1));
    EXPECT_EQ("Shred Folders", TabText(2));
    EXPECT_EQ("Scheduler", TabText(5));
    EXPECT_EQ("Shredder Title", sheet_.GetText());
    const LONG applyStyle = GetWindowLongA(GetDlgItem(sheet_.Handle(), 0x3021), GWL_STYLE);
    EXPECT_FALSE(applyStyle & WS_VISIBLE) << "an Apply button";
}

// No help file ships: Help is there on every page and opens nothing.
TEST_F(MainSheet, HelpIsOfferedOnEveryPage) {
    Open();
    HWND help = GetDlgItem(sheet_.Handle(), kHelpButton);
    ASSERT_TRUE(help);
    EXPECT_TRUE(GetWindowLongA(help, GWL_STYLE) & WS_VISIBLE);
    for (int page = 0; page < sheet_.GetPageCount(); ++page) {
        sheet_.SetActivePage(page);
        EXPECT_TRUE(IsWindowEnabled(help)) << page;
    }
    SendMessageA(sheet_.Handle(), WM_COMMAND, kHelpButton, reinterpret_cast<LPARAM>(help));
    uitest::Pump(100);
    EXPECT_TRUE(IsWindow(sheet_.Handle()));
}

TEST_F(MainSheet, SystemMenuHasNoSizingAndEndsWithAbout) {
    Open();
    HMENU menu = GetSystemMenu(sheet_.Handle(), FALSE);
    ASSERT_TRUE(menu);
    EXPECT_EQ(static_cast<UINT>(-1), GetMenuState(menu, SC_MAXIMIZE, MF_BYCOMMAND));
    EXPECT_EQ(static_cast<UINT>(-1), GetMenuState(menu, SC_SIZE, MF_BYCOMMAND));
    EXPECT_TRUE(GetMenuState(menu, SC_RESTORE, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_NE(static_cast<UINT>(-1), GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND));
    const int count = GetMenuItemCount(menu);
    ASSERT_GE(count, 2);
    EXPECT_EQ(kAboutCommand, GetMenuItemID(menu, count - 1));
    // Exactly one separator where two sat together: none lost, none doubled.
    for (int i = 1; i < count; ++i) {
        const bool both = (GetMenuState(menu, i - 1, MF_BYPOSITION) & MF_SEPARATOR) &&
                          (GetMenuState(menu, i, MF_BYPOSITION) & MF_SEPARATOR);
        EXPECT_FALSE(both) << i;
    }
}

TEST_F(MainSheet, BlinkAlternatesAndStoppingLeavesTheIconShown) {
    Open();
    sheet_.StartBlinkTimer();
    for (int tick = 0; tick < 4; ++tick) sheet_.Send(WM_TIMER, kBlinkTimerId);
    sheet_.StopBlinkTimer();
    std::vector<bool> shown;
    for (const TrayCall& call : tray_.calls) {
        if (call.message == NIM_MODIFY) shown.push_back(call.icon != nullptr);
    }
    EXPECT_EQ((std::vector<bool>{false, true, false, true, true}), shown);
    EXPECT_FALSE(KillTimer(sheet_.Handle(), kBlinkTimerId)) << "the blink timer outlived the run";
}

// The Format dialog is looked for under the name the drive page showed,
// not under a label read again after the wipe.
TEST_F(MainSheet, FormatDialogIsSoughtUnderTheStoredDriveName) {
    const std::string title = FormatDialogTitle(CurrentFormatWindows(), "Wiped Data (C:)");
    if (title.empty()) GTEST_SKIP() << "no Format dialog title on this system";
    Open();
    sheet_.SetFormatDriveName("Wiped Data (C:)");
    sheet_.BeginFormatAutomation('C');
    uitest::Pump(450);
    sheet_.EndFormatAutomation();
    ASSERT_FALSE(finder_.searched.empty());
    EXPECT_EQ(title, finder_.searched.back());
}

TEST_F(MainSheet, EndOfSessionStopsTheEngine) {
    Open();
    app_.Engine().ClearAbort();
    EXPECT_TRUE(sheet_.Send(WM_QUERYENDSESSION));
    EXPECT_TRUE(app_.Engine().Abort());
}

// OK, Cancel and the close box each take the icon away while the sheet
// still exists, and a later "TaskbarCreated" does not bring it back.
TEST(MainSheetClosing, IconGoesBeforeTheSheetAndStaysGone) {
    struct Way {
        UINT msg;
        WPARAM wp;
    };
    for (const Way& way : {Way{WM_COMMAND, IDOK}, Way{WM_COMMAND, IDCANCEL}, Way{WM_SYSCOMMAND, SC_CLOSE}}) {
        CShredderApp app(nullptr);
        RecordingTray tray;
        NoWindows finder;
        CMyPropertySheet sheet(app, &tray, &finder);
        ASSERT_TRUE(sheet.CreateHidden());
        uitest::Pump(100);
        HWND window = sheet.Handle();
        SendMessageA(window, way.msg, way.wp, 0);
        uitest::Pump(100);
        EXPECT_FALSE(IsWindow(window)) << way.wp;
        ASSERT_EQ(NIM_DELETE, tray.calls.back().message) << way.wp;
        EXPECT_TRUE(tray.calls[1].windowAlive && tray.calls[1].message == NIM_DELETE) << way.wp;
    }
}

TEST(SheetTrayIcon, ComesBackAfterTheShellOnlyWhileWanted) {
    RecordingTray tray;
    SheetTrayIcon icon(tray, WM_APP);
    icon.Attach(nullptr, LoadIconA(nullptr, MAKEINTRESOURCEA(32512)));
    tray.accept = false;
    icon.OnTaskbarCreated();
    EXPECT_FALSE(icon.IsAdded());
    tray.accept = true;
    icon.OnTaskbarCreated();  // a failed add is tried again
    EXPECT_TRUE(icon.IsAdded());
    icon.OnTaskbarCreated();  // a new taskbar has no icon of ours
    EXPECT_EQ(3, tray.Count(NIM_ADD));
    icon.Delete();
    icon.OnTaskbarCreated();
    icon.Add();
    EXPECT_EQ(3, tray.Count(NIM_ADD));
}

TEST(FormatTitle, FollowsTheWindowsVersion) {
    EXPECT_EQ("Format Local Disk (C:)", FormatDialogTitle(FormatWindows::Xp, "Local Disk (C:)"));
    EXPECT_EQ("Format C:\\", FormatDialogTitle(FormatWindows::Win2000OrNt4, "Local Disk (C:)"));
    EXPECT_EQ("Format D:\\", FormatDialogTitle(FormatWindows::Win2000OrNt4, "Data (x) (D:)"));
    EXPECT_EQ("Format Plain\\", FormatDialogTitle(FormatWindows::Win2000OrNt4, "Plain"));
    EXPECT_EQ("", FormatDialogTitle(FormatWindows::Other, "Local Disk (C:)"));
}

// The owner of the automation's timers.
class TimerOwner : public ui::Window {
public:
    explicit TimerOwner(FormatAutomation& automation) : automation_(automation) {
        Create(0, "owner", WS_POPUP, RECT{0, 0, 10, 10}, nullptr);
    }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override {
        if (msg == WM_TIMER && automation_.OnTimer(wp)) return 0;
        return Window::WindowProc(msg, wp, lp);
    }

private:
    FormatAutomation& automation_;
};

// A window laid out as the Format dialog: button 1 and box 28674; counts
// the clicks on button 1.
class StandInFormat : public ui::Window, public WindowFinder {
public:
    StandInFormat() {
        Create(0, "Format C:\\", WS_POPUP | WS_VISIBLE, RECT{0, 0, 200, 100}, nullptr);
        CreateWindowExA(0, "BUTTON", "&Start", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 80, 24,
                        Handle(), reinterpret_cast<HMENU>(IDOK), nullptr, nullptr);
        CreateWindowExA(0, "BUTTON", "Quick", WS_CHILD | WS_VISIBLE | BS_CHECKBOX, 10, 40, 80, 24, Handle(),
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(kFormatQuickBox)), nullptr, nullptr);
    }
    HWND FindTopLevel(const std::string& title) override {
        ++searches;
        return present && title == "Format C:\\" ? Handle() : nullptr;
    }
    bool WaitForClicks(int count) {
        for (int i = 0; i < 100 && clicks < count; ++i) uitest::Pump(20);
        return clicks == count;
    }
    bool present = false;
    int searches = 0;
    int clicks = 0;

protected:
    bool OnCommand(UINT id, UINT code, HWND) override {
        if (id == IDOK && code == BN_CLICKED) ++clicks;
        return true;
    }
};

TEST(FormatAutomation, PressesStartThenOkAndStops) {
    StandInFormat format;
    FormatAutomation automation(format);
    TimerOwner owner(automation);
    automation.Start(owner.Handle(), FormatDialogTitle(FormatWindows::Win2000OrNt4, "Local Disk (C:)"));
    uitest::Pump(450);
    EXPECT_EQ(0, format.clicks) << "pressed before the dialog was there";
    format.present = true;
    ASSERT_TRUE(format.WaitForClicks(1));
    EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(format.Handle(), kFormatQuickBox));
    uitest::Pump(450);
    EXPECT_EQ(1, format.clicks) << "timer 11 pressed a button that is not OK";
    format.SetItemText(IDOK, "OK");
    ASSERT_TRUE(format.WaitForClicks(2));
    uitest::Pump(450);
    EXPECT_EQ(2, format.clicks);
    EXPECT_FALSE(KillTimer(owner.Handle(), kFormatStartTimerId));
    EXPECT_FALSE(KillTimer(owner.Handle(), kFormatOkTimerId));
}

TEST(FormatAutomation, LeavesALaterFormatDialogAndUnknownTitlesAlone) {
    StandInFormat format;
    FormatAutomation automation(format);
    TimerOwner owner(automation);
    // The format call returned (the user cancelled): its timers end with it.
    automation.Start(owner.Handle(), "Format C:\\");
    automation.Stop();
    format.present = true;
    uitest::Pump(600);
    EXPECT_EQ(0, format.clicks);
    // No known title: nothing is searched for at all.
    automation.Start(owner.Handle(), FormatDialogTitle(FormatWindows::Other, "Local Disk (C:)"));
    uitest::Pump(450);
    EXPECT_EQ(0, format.searches);
    EXPECT_EQ(0, format.clicks);
}

}  // namespace
}  // namespace shredder
