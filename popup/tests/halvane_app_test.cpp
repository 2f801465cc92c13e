// The program run whole: start-up ends, counting, the tray, the counter
// window and the pages inside the running main window.
#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <string>

#include "common/proxy/socket.h"
#include "common/proxy/tests/loopback.h"
#include "common/suite/blinkward.h"
#include "popup/counter_dlg.h"
#include "popup/main_pages.h"
#include "popup/res/resource_ids.h"
#include "popup/tests/halvane_app_fixture.h"
#include "popup/title_scan.h"

namespace popup {

using ::testing::_;
using ::testing::HasSubstr;
using ::testing::Return;

namespace {

const char kCorrupted[] = "some files have been corrupted";
const char kExitQuestion[] = "click Yes to exit";

class MarkedWindow {
public:
    explicit MarkedWindow(const std::string& name)
        : window_(CreateWindowExA(0, "STATIC", (name + kPopupMarker).c_str(), WS_POPUP, 0, 0, 10,
                                  10, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr)) {}
    ~MarkedWindow() { DestroyWindow(window_); }
    bool Counted() const {
        char title[260] = {};
        GetWindowTextA(window_, title, sizeof(title));
        return std::string(title).find(kPopupMarker) == std::string::npos;
    }

private:
    HWND window_;
};

}  // namespace

TEST_F(HalvaneAppTest, SecondInstanceEndsSilently) {
    HANDLE first = CreateMutexA(nullptr, TRUE, texts_.WindowTitle().c_str());
    EXPECT_CALL(prompt_, Show(_, _, _)).Times(0);
    CHalvaneApp app(seams_);
    EXPECT_EQ(StartupEnd::AnotherInstance, app.Start());
    EXPECT_EQ(nullptr, HiddenWindow());
    CloseHandle(first);
}

TEST_F(HalvaneAppTest, EachMissingRequiredValueShows6001AndEnds) {
    for (const char* name : {"Language", "Path", "Blocked Popups", "User Wav Path"}) {
        SCOPED_TRACE(name);
        const std::string kept = testkit::RegString(HKEY_CURRENT_USER, kProductKey, name);
        DeleteValue(name);
        EXPECT_CALL(prompt_, Show(HasSubstr(kCorrupted), _, _)).WillOnce(Return(IDOK));
        CHalvaneApp app(seams_);
        EXPECT_EQ(StartupEnd::SettingsMissing, app.Start());
        EXPECT_EQ(nullptr, HiddenWindow());
        ::testing::Mock::VerifyAndClearExpectations(&prompt_);
        SetValue(name, kept);
    }
}

TEST_F(HalvaneAppTest, MarkedWindowsAreCountedAndTheCountIsSavedAtExit) {
    EXPECT_CALL(prompt_, Show(HasSubstr(kExitQuestion), _, _)).Times(0);
    MarkedWindow first("first ");
    MarkedWindow second("second ");
    const StartupEnd end = RunWith([&] {
        if (!first.Counted() || !second.Counted()) return false;
        PostMessageA(HiddenWindow(), suite::blinkward::WM_LAST_BROWSER_CLOSED, 0, 0);
        return true;
    });
    EXPECT_EQ(StartupEnd::MainSheetClosed, end);
    EXPECT_TRUE(first.Counted());
    EXPECT_TRUE(second.Counted());
    EXPECT_EQ("2", testkit::RegString(HKEY_CURRENT_USER, kProductKey, "Blocked Popups"));
}

TEST_F(HalvaneAppTest, ExitFromTheTrayAsksAndNoKeepsTheProgram) {
    EXPECT_CALL(prompt_, Show(HasSubstr(kExitQuestion), _, MB_YESNO | MB_ICONQUESTION))
        .WillOnce(Return(IDNO))
        .WillOnce(Return(IDYES));
    int tick = 0;
    const StartupEnd end = RunWith([&] {
        HWND sheet = FindWindowA(nullptr, texts_.SheetTitle().c_str());
        if (!sheet) return false;
        ++tick;
        if (tick == 1 || tick == 3) PostMessageA(sheet, WM_COMMAND, ID_TRAY_EXIT, 0);
        return tick == 3;
    });
    EXPECT_EQ(StartupEnd::MainSheetClosed, end);
    EXPECT_EQ(3, tick);
}

namespace {

BOOL CALLBACK FindTrayNotice(HWND window, LPARAM found) {
    if (!GetDlgItem(window, IDC_NOTICE_DONT_SHOW)) return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// The notice of start-up that the program sits in the tray, while it is open.
HWND TrayNotice() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindTrayNotice, reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

TEST_F(HalvaneAppTest, LastBrowserClosedWhileTheTrayNoticeIsOpenEndsTheProgram) {
    SetValue("ShowAtStart", 1);
    EXPECT_CALL(prompt_, Show(HasSubstr(kExitQuestion), _, _)).Times(0);
    bool posted = false;
    // The program ends by itself; the watchdog would be a failure.
    const StartupEnd end = RunWith([&] {
        HWND notice = TrayNotice();
        if (!posted && notice) {
            PostMessageA(HiddenWindow(), suite::blinkward::WM_LAST_BROWSER_CLOSED, 0, 0);
            posted = true;
        } else if (posted && notice) {
            // Still open: closed as the user would, so that the watchdog can
            // end the main window.
            PostMessageA(notice, WM_COMMAND, IDCANCEL, 0);
        }
        return false;
    });
    EXPECT_EQ(StartupEnd::MainSheetClosed, end);
    EXPECT_TRUE(posted);
}

TEST_F(HalvaneAppTest, TheNoticesBoxTickedKeepsItAwayAtTheNextStartUntickedKeepsItComing) {
    for (bool ticked : {true, false}) {
        SCOPED_TRACE(ticked ? "ticked" : "unticked");
        SetValue("ShowAtStart", 1);
        bool pressed = false;
        const StartupEnd end = RunWith([&] {
            HWND notice = TrayNotice();
            if (notice && !pressed) {
                CheckDlgButton(notice, IDC_NOTICE_DONT_SHOW, ticked ? BST_CHECKED : BST_UNCHECKED);
                PostMessageA(notice, WM_COMMAND, IDOK, 0);
                pressed = true;
            } else if (pressed && !notice && Sheet()) {
                EndProgram();
                return true;
            }
            return false;
        });
        EXPECT_EQ(StartupEnd::MainSheetClosed, end);
        EXPECT_TRUE(pressed);
        EXPECT_EQ(ticked ? 0 : 1, testkit::RegDword(HKEY_CURRENT_USER, kProductKey, "ShowAtStart"));
    }
}

namespace {

RECT WindowRect(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return rect;
}

std::string ItemText(HWND window, int id) {
    char text[64] = {};
    GetDlgItemTextA(window, id, text, sizeof(text));
    return text;
}

}  // namespace

// A blocked popup shows the count in the bottom-right corner for five
// seconds, then the window slides out one pixel per step; a popup blocked
// meanwhile brings it home for another five seconds.
TEST_F(HalvaneAppTest, TheCounterShowsAtHomeForFiveSecondsSlidesOutAndComesBackForANewPopup) {
    const int screenRight = GetSystemMetrics(SM_CXSCREEN);
    const int screenBottom = GetSystemMetrics(SM_CYSCREEN);
    MarkedWindow first("first ");
    std::unique_ptr<MarkedWindow> second;
    int phase = 0;
    DWORD shownAt = 0;
    RECT home = {};
    RunWithApp(
        [&](CHalvaneApp& app) {
            HWND counter = app.Counter().Handle();
            if (!counter) return false;
            const RECT now = WindowRect(counter);
            const bool visible = IsWindowVisible(counter) != FALSE;
            switch (phase) {
            case 0:  // shown at home with the count
                if (!visible) return false;
                shownAt = GetTickCount();
                home = now;
                // Owned by the hidden window: no taskbar button of its own.
                EXPECT_EQ(HiddenWindow(), GetWindow(counter, GW_OWNER));
                EXPECT_EQ(screenRight, now.right);
                EXPECT_EQ(screenBottom, now.bottom);
                EXPECT_EQ("1", ItemText(counter, IDC_COUNTER_COUNT));
                phase = 1;
                return false;
            case 1:  // still, until the five seconds are over
                if (now.left == home.left) return false;
                EXPECT_GE(GetTickCount() - shownAt, 4900u);
                EXPECT_TRUE(visible);
                EXPECT_EQ(home.top, now.top);
                second = std::make_unique<MarkedWindow>("second ");
                phase = 2;
                return false;
            case 2:  // the new popup brings it home
                if (!second->Counted()) return false;
                EXPECT_TRUE(visible);
                EXPECT_EQ(home.left, now.left);
                EXPECT_EQ(home.top, now.top);
                EXPECT_EQ("2", ItemText(counter, IDC_COUNTER_COUNT));
                shownAt = GetTickCount();
                phase = 3;
                return false;
            case 3:  // another five seconds, then the slide hides it
                if (visible) return false;
                EXPECT_GE(GetTickCount() - shownAt,
                          5000u + static_cast<DWORD>(screenRight - home.left) * 10 - 100);
                EXPECT_GE(now.left, screenRight);
                EndProgram();
                phase = 4;
                return true;
            }
            return true;
        },
        40000);
    EXPECT_EQ(4, phase);
}

namespace {

// The user's click on a button of a page: its state, then the notification.
void Click(HWND page, int id, bool checked) {
    CheckDlgButton(page, id, checked ? BST_CHECKED : BST_UNCHECKED);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(page, id)));
}

std::string ControlText(HWND page, int id) {
    char text[260] = {};
    GetDlgItemTextA(page, id, text, sizeof(text));
    return text;
}

const char kIntranetZone[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Zones\\1";
const char kTrustedZone[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Zones\\2";

}  // namespace

TEST_F(HalvaneAppTest, ApplyWritesTheActiveXZoneOnShow) {
    const DWORD disabled = 3;
    testkit::SetRegDword(HKEY_CURRENT_USER, kTrustedZone, "1001", disabled);
    ActThenCheck(
        [&](CHalvaneApp&) {
            HWND page = ShowPage(kActiveXPage);
            HWND zones = GetDlgItem(page, IDC_AX_ZONE);
            SendMessageA(zones, CB_SETCURSEL, 1, 0);
            SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_AX_ZONE, CBN_SELCHANGE),
                         reinterpret_cast<LPARAM>(zones));
            Click(page, IDC_AX_SIGNED_ENABLE, true);
            EXPECT_EQ(3, testkit::RegDword(HKEY_CURRENT_USER, kTrustedZone, "1001"));
            PostMessageA(Sheet(), WM_COMMAND, ID_APPLY_NOW, 0);
        },
        [&](CHalvaneApp&) {
            EXPECT_EQ(0, testkit::RegDword(HKEY_CURRENT_USER, kTrustedZone, "1001"));
            EXPECT_FALSE(testkit::RegValueExists(HKEY_CURRENT_USER, kTrustedZone, "1004"));
        });
}

TEST_F(HalvaneAppTest, ApplyWithTheActiveXPageUnchangedKeepsTheZoneAsItIs) {
    testkit::SetRegDword(HKEY_CURRENT_USER, kIntranetZone, "1001", 3);
    ActThenCheck(
        [&](CHalvaneApp&) {
            ShowPage(kActiveXPage);
            // Changed in Internet Explorer while the page shows the old value.
            testkit::SetRegDword(HKEY_CURRENT_USER, kIntranetZone, "1001", 0);
            PostMessageA(Sheet(), WM_COMMAND, ID_APPLY_NOW, 0);
        },
        [&](CHalvaneApp&) {
            EXPECT_EQ(0, testkit::RegDword(HKEY_CURRENT_USER, kIntranetZone, "1001"));
        });
}

TEST_F(HalvaneAppTest, ASettingsFileThatCannotBeSavedIsReportedOnce) {
    // A folder where the file should be: nothing can be written there.
    dir_.file("product\\QXINI.ini\\.");
    EXPECT_CALL(prompt_, Show(HasSubstr("QXINI.ini"), _, MB_OK | MB_ICONERROR)).Times(1);
    ActThenCheck([&](CHalvaneApp&) { PostMessageA(Sheet(), WM_COMMAND, ID_APPLY_NOW, 0); },
                 [&](CHalvaneApp&) {});
}

TEST_F(HalvaneAppTest, LanguageChangeGivesThePagesTheirNewTexts) {
    dir_.write("product\\Language\\Test.ini",
               "[VelmoraBlinkward]\r\n1001=Catch them\r\n9001=Starting\r\n");
    HWND popupPage = nullptr;
    HWND optionsPage = nullptr;
    ActThenCheck(
        [&](CHalvaneApp& app) {
            optionsPage = ShowPage(kOptionsPage);
            popupPage = ShowPage(kPopupPage);
            EXPECT_EQ("Enable Catch Pop-Ups", ControlText(popupPage, IDC_POPUP_ENABLE_CATCH));
            app.Settings().language = "Test";
            PostMessageA(Sheet(), WM_LANGUAGE_CHANGED, 0, 0);
        },
        [&](CHalvaneApp&) {
            EXPECT_EQ("Catch them", ControlText(popupPage, IDC_POPUP_ENABLE_CATCH));
            EXPECT_EQ("Starting", ControlText(optionsPage, IDC_OPT_STARTUP_GROUP));
        });
}

TEST_F(HalvaneAppTest, CancelAfterALanguageChangeGivesThePagesTheirOldTextsBack) {
    SetValue("Close To Tray", 1);
    dir_.write("product\\Language\\English.ini",
               "[VelmoraBlinkward]\r\n1001=Enable Catch Pop-Ups\r\n");
    dir_.write("product\\Language\\Test.ini", "[VelmoraBlinkward]\r\n1001=Catch them\r\n");
    HWND page = nullptr;
    ActThenCheck(
        [&](CHalvaneApp& app) {
            page = ShowPage(kPopupPage);
            app.Settings().language = "Test";
            SendMessageA(Sheet(), WM_LANGUAGE_CHANGED, 0, 0);
            EXPECT_EQ("Catch them", ControlText(page, IDC_POPUP_ENABLE_CATCH));
            PostMessageA(Sheet(), WM_COMMAND, IDCANCEL, 0);
        },
        [&](CHalvaneApp& app) {
            EXPECT_EQ("English", app.Settings().language);
            EXPECT_EQ("Enable Catch Pop-Ups", ControlText(page, IDC_POPUP_ENABLE_CATCH));
        });
}

TEST_F(HalvaneAppTest, CancelShowsTheStoredSettingsAgain) {
    SetValue("Close To Tray", 1);
    dir_.write("product\\QXINI.ini",
               "[VelmoraBlinkward]\r\nPopupCheckDisabled=1\r\nPlayWave=1\r\n");
    EXPECT_CALL(prompt_, Show(_, _, _)).Times(0);
    HWND page = nullptr;
    ActThenCheck(
        [&](CHalvaneApp& app) {
            page = ShowPage(kPopupPage);
            EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(page, IDC_POPUP_SOUND_ALERT));
            Click(page, IDC_POPUP_SOUND_ALERT, false);
            EXPECT_EQ(0, app.Engine().playWave);
            PostMessageA(Sheet(), WM_COMMAND, IDCANCEL, 0);
        },
        [&](CHalvaneApp& app) {
            EXPECT_EQ(1, app.Engine().playWave);
            EXPECT_EQ(BST_CHECKED, IsDlgButtonChecked(page, IDC_POPUP_SOUND_ALERT));
            // Close To Tray: Cancel hid the window and kept the program.
            EXPECT_TRUE(IsWindow(Sheet()));
        });
}

TEST_F(HalvaneAppTest, TrayDisableReachesTheProxyAtOnceAndEnableBringsTheScriptBack) {
    const proxy::WinsockSession sockets;
    const unsigned short port = proxytest::ClosedPort();
    dir_.write("product\\QXINI.ini", "[VelmoraBlinkward]\r\nPopupPort=" + std::to_string(port) +
                                          "\r\nPopupCheckDisabled=0\r\n");
    dir_.write("product\\QXBlk.js", "blockPopups();");
    // Internet Explorer uses the proxy, so catching may be switched on.
    const char kSettings[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
    testkit::SetRegDword(HKEY_CURRENT_USER, kSettings, "ProxyEnable", 1);
    testkit::SetRegString(HKEY_CURRENT_USER, kSettings, "ProxyServer", "http=VelmoraBlinkward:8100");
    proxytest::RecordingOrigin origin(proxytest::HttpResponse("text/html", "<html><body>page</body></html>"));
    auto fetch = [&] {
        proxy::Socket client = proxytest::Connect(port);
        proxytest::SendAll(client.get(), "GET http://127.0.0.1:" + std::to_string(origin.port()) +
                                             "/ HTTP/1.0\r\n\r\n");
        return proxytest::ReceiveAll(client.get(), 5000);
    };
    std::vector<std::string> pages;
    RunWithApp([&](CHalvaneApp&) {
        HWND sheet = Sheet();
        if (!sheet) return false;
        pages.push_back(fetch());
        if (pages.size() == 3) {
            EndProgram();
            return true;
        }
        // Disable, then Enable again: no Apply in between.
        PostMessageA(sheet, WM_COMMAND, ID_TRAY_ENABLE, 0);
        return false;
    });
    ASSERT_EQ(3u, pages.size());
    EXPECT_NE(std::string::npos, pages[0].find("blockPopups")) << pages[0];
    EXPECT_EQ(std::string::npos, pages[1].find("blockPopups")) << pages[1];
    EXPECT_NE(std::string::npos, pages[1].find("page")) << pages[1];
    EXPECT_NE(std::string::npos, pages[2].find("blockPopups")) << pages[2];
}

TEST_F(HalvaneAppTest, TrayBlockAdsKeepsTheProgramWhenHostsIsMissing) {
    dir_.write("product\\hostse", "127.0.0.1\tads.example\n");
    EXPECT_CALL(prompt_, Show(HasSubstr("HOSTS file not found"), _, _)).WillOnce(Return(IDOK));
    int tick = 0;
    bool stillRunning = false;
    const StartupEnd end = RunWithApp([&](CHalvaneApp& app) {
        HWND sheet = Sheet();
        if (!sheet) return false;
        ++tick;
        if (tick == 1) {
            // Block Ads on: the ad lines join the user's HOSTS.
            PostMessageA(sheet, WM_COMMAND, ID_TRAY_BLOCK_ADS, 0);
        } else if (tick == 2) {
            EXPECT_EQ(1, app.Engine().bannerBlock);
            const std::string hosts = dir_.read("windows\\system32\\drivers\\etc\\hosts");
            EXPECT_NE(std::string::npos, hosts.find("ads.example")) << hosts;
            EXPECT_NE(std::string::npos, hosts.find("localhost")) << hosts;
            // Block Ads off with no HOSTS to be had: the message, and the
            // program goes on with blocking off.
            const std::string etc = dir_.path() + "\\windows\\system32\\drivers\\etc";
            SetFileAttributesA((etc + "\\hosts").c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA((etc + "\\hosts").c_str());
            RemoveDirectoryA(etc.c_str());
            PostMessageA(sheet, WM_COMMAND, ID_TRAY_BLOCK_ADS, 0);
        } else if (tick == 3) {
            EXPECT_EQ(0, app.Engine().bannerBlock);
            stillRunning = IsWindow(sheet) != FALSE;
            EndProgram();
            return true;
        }
        return false;
    });
    EXPECT_EQ(StartupEnd::MainSheetClosed, end);
    EXPECT_TRUE(stillRunning);
}

}  // namespace popup
