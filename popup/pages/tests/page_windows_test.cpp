// The page windows and the proxy wizard under the display: each shows its
// model's state and hands the user's clicks to it.
#include <gtest/gtest.h>

#include "common/browser/connection_list.h"
#include "common/browser/connection_options.h"
#include "platform/ui/message_prompt.h"
#include "common/browser/proxy_setting_key.h"
#include "platform/testkit/scratch.h"
#include "platform/ui/tests/ui_driver.h"
#include "popup/pages/activex_dlg.h"
#include "popup/pages/browser_proxy_writers.h"
#include "popup/pages/options_dlg.h"
#include "popup/pages/popup_dlg.h"
#include "popup/pages/proxy_setting_sheet.h"
#include "popup/pages/tests/fakes.h"
#include "popup/pages/tests/recording_cleaner.h"

namespace popup {

namespace {

struct RecordingOptions : browser::ConnectionOptionWriter {
    std::vector<std::string> proxies;  // connection, then proxy
    bool SetProxy(const std::string& connection, const std::string& proxy,
                  const std::string&) override {
        proxies.push_back(connection);
        proxies.push_back(proxy);
        return true;
    }
    bool SetDirect(const std::string&) override { return true; }
    void NotifyChanged() override {}
};

struct QuietSink : ui::MessagePrompt {
    std::vector<std::string> errors;
    int Show(const std::string& text, const std::string&, unsigned) override {
        errors.push_back(text);
        return IDOK;
    }
};

struct HeldMutex : InstanceMutex {
    std::string Name() const override { return "Velmora Blinkward.com"; }
    bool Recreate(const std::string&) override { return true; }
};

// Two dial-up connections, the first already set; nothing else.
struct ListedWriters : ProxyWriters {
    std::vector<bool> ieChosen;
    std::vector<ui::ListRow> ListDialUpConnections(bool) override {
        return {{"Office", true}, {"Home", false}};
    }
    std::vector<ui::ListRow> ListNetscapeProfiles(bool) override { return {}; }
    void SetIEProxy(bool, bool, const std::vector<bool>& chosen) override { ieChosen = chosen; }
    void ResetIEProxy(bool, bool, const std::vector<bool>&) override {}
    ProfileWrites SetNetscapeProxyAll(const std::string&, const std::string&,
                                      const std::vector<bool>&) override {
        return {};
    }
    ProfileWrites ResetNetscapeProxyAll(const std::vector<bool>&) override { return {}; }
    void SetOperaProxy(bool, bool, const std::string&, const std::string&) override {}
    void ResetOperaProxy(bool, bool) override {}
};

HWND CurrentPage(const ui::PropertySheet& sheet) {
    return PropSheet_GetCurrentPageHwnd(sheet.Handle());
}

// A click on a check box or radio button of `dialog`, as the user makes it.
void Click(HWND dialog, int id) {
    HWND button = GetDlgItem(dialog, id);
    const LRESULT style = GetWindowLongPtrA(button, GWL_STYLE) & BS_TYPEMASK;
    if (style == BS_AUTORADIOBUTTON)
        SendMessageA(button, BM_SETCHECK, BST_CHECKED, 0);
    else
        SendMessageA(button, BM_SETCHECK,
                     SendMessageA(button, BM_GETCHECK, 0, 0) == BST_CHECKED ? BST_UNCHECKED
                                                                            : BST_CHECKED,
                     0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

bool IsChecked(HWND dialog, int id) {
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

// Ticks Internet Explorer on the wizard's first page and moves on to the
// connections page; `then` are the steps taken from there.
std::vector<uitest::Step> ToConnectionsPageWithIE(CProxySettingSheet& sheet,
                                                  std::vector<uitest::Step> then) {
    std::vector<uitest::Step> steps = {
        [&sheet] {
            Click(CurrentPage(sheet), IDC_BROWSERS_IE);
            return true;
        },
        [&sheet] {
            sheet.PressButton(PSBTN_NEXT);
            return true;
        },
    };
    steps.insert(steps.end(), then.begin(), then.end());
    return steps;
}

class PageWindowsTest : public ::testing::Test {
protected:
    PageWindowsTest() : dir("page-windows"), registry("page-windows") {
        settings.folder = dir.path();
        folder = dir.path();
    }

    testkit::ScratchDir dir;
    testkit::ScratchRegistry registry;
    FakeSettings settings;
    FakeBrowserState browsers;
    RecordingHost host;
    std::string folder;
    std::string language = "English";
    CHalvaneTexts texts{folder, language};
    CSkin skin;
    FakeHosts adBlock;
    RecordingCleaner cleaner;
    HeldMutex mutex;
    PageContext context{settings, browsers, host, texts, skin, adBlock, cleaner, mutex};
    uitest::Watchdog watchdog{8000};
};

TEST_F(PageWindowsTest, WizardInSetModeWritesTheLanProxyOfInternetExplorer) {
    // Every system has the key of Internet Explorer's settings.
    testkit::SetRegDword(HKEY_CURRENT_USER, browser::kInternetSettingsKey, "ProxyHttp1.1", 0);
    RecordingOptions options;
    QuietSink sink;
    BrowserProxyWriters writers(browsers, texts, sink, "Velmora Blinkward", options, browser::ProfileBases{});
    CProxySettingSheet sheet(WizardMode::Set, context, writers);
    uitest::Steps steps(ToConnectionsPageWithIE(sheet, {
        [&] {
            EXPECT_EQ(kConnectionsPage, sheet.GetActiveIndex());
            HWND page = CurrentPage(sheet);
            EXPECT_TRUE(IsWindowVisible(GetDlgItem(page, IDC_PROXY_LAN)));
            EXPECT_FALSE(IsWindowVisible(GetDlgItem(page, IDC_PROXY_OPERA6)));
            Click(page, IDC_PROXY_LAN);
            return true;
        },
        [&] {
            sheet.PressButton(PSBTN_NEXT);
            return true;
        },
        [&] {
            EXPECT_EQ(kFinishPage, sheet.GetActiveIndex());
            sheet.PressButton(PSBTN_FINISH);
            return true;
        },
    }));
    EXPECT_EQ(IDOK, sheet.DoModal());
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_EQ((std::vector<std::string>{"", "http=VelmoraBlinkward:8100"}), options.proxies);
    EXPECT_EQ(1, testkit::RegDword(HKEY_CURRENT_USER, browser::kProxySettingKey, browser::kLanFlag));
    EXPECT_EQ("N", settings.wizardMessage);
}

TEST_F(PageWindowsTest, WizardListRefusesGreyedRowsAndCancelAsksAgainNextTime) {
    ListedWriters writers;
    CProxySettingSheet sheet(WizardMode::Set, context, writers);
    HWND list = nullptr;
    uitest::Steps steps(ToConnectionsPageWithIE(sheet, {
        [&] {
            EXPECT_EQ(kConnectionsPage, sheet.GetActiveIndex());
            HWND page = CurrentPage(sheet);
            list = GetDlgItem(page, IDC_PROXY_CONNECTIONS);
            EXPECT_EQ(2, ListView_GetItemCount(list));
            Click(page, IDC_PROXY_DIALUP);
            EXPECT_TRUE(IsWindowEnabled(list));
            ListView_SetCheckState(list, 0, TRUE);
            ListView_SetCheckState(list, 1, TRUE);
            EXPECT_FALSE(ListView_GetCheckState(list, 0));
            EXPECT_TRUE(ListView_GetCheckState(list, 1));
            EXPECT_EQ(1, sheet.Model().Connections().CheckedCount());
            Click(page, IDC_PROXY_UNCHECK_ALL);
            EXPECT_FALSE(ListView_GetCheckState(list, 1));
            Click(page, IDC_PROXY_CHECK_ALL);
            EXPECT_FALSE(ListView_GetCheckState(list, 0));
            EXPECT_TRUE(ListView_GetCheckState(list, 1));
            EXPECT_EQ(1, sheet.Model().Connections().CheckedCount());
            sheet.PressButton(PSBTN_CANCEL);
            return true;
        },
    }));
    EXPECT_EQ(IDCANCEL, sheet.DoModal());
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_TRUE(writers.ieChosen.empty());
    EXPECT_EQ("A", settings.wizardMessage);
}

const char kZone2[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Zones\\2";
const char kZone3[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Zones\\3";

void SelectZone(HWND page, int index) {
    HWND box = GetDlgItem(page, IDC_AX_ZONE);
    SendMessageA(box, CB_SETCURSEL, index, 0);
    SendMessageA(page, WM_COMMAND, MAKEWPARAM(IDC_AX_ZONE, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(box));
}

TEST_F(PageWindowsTest, ActiveXPageShowsAZoneAndAppliesOnlyTheZoneOnShow) {
    testkit::SetRegDword(HKEY_CURRENT_USER, kZone2, "1001", 3);
    testkit::SetRegDword(HKEY_CURRENT_USER, kZone2, "1200", 0x20);
    testkit::SetRegDword(HKEY_CURRENT_USER, kZone3, "1001", 1);
    CActiveXPage page(context);
    ui::PropertySheet sheet("ActiveX");
    sheet.AddPage(page);
    uitest::Steps steps({
        [&] {
            HWND window = page.Handle();
            EXPECT_EQ(4, SendMessageA(GetDlgItem(window, IDC_AX_ZONE), CB_GETCOUNT, 0, 0));
            SelectZone(window, 1);
            EXPECT_TRUE(IsChecked(window, IDC_AX_SIGNED_DISABLE));
            EXPECT_TRUE(IsChecked(window, IDC_AX_RUN_ADMIN));
            EXPECT_FALSE(IsChecked(window, IDC_AX_UNSIGNED_ENABLE));
            Click(window, IDC_AX_SIGNED_ENABLE);
            EXPECT_TRUE(page.IsModified());
            // Zone 3 drops the change; only its own values are written.
            SelectZone(window, 2);
            EXPECT_TRUE(IsChecked(window, IDC_AX_SIGNED_PROMPT));
            EXPECT_FALSE(IsChecked(window, IDC_AX_RUN_ADMIN));
            Click(window, IDC_AX_RUN_ADMIN);
            page.SaveZonePolicies();
            sheet.EndSheet(IDCANCEL);
            return true;
        },
    });
    sheet.DoModal();
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_EQ(3, testkit::RegDword(HKEY_CURRENT_USER, kZone2, "1001"));
    EXPECT_EQ(1, testkit::RegDword(HKEY_CURRENT_USER, kZone3, "1001"));
    EXPECT_EQ(0x10000, testkit::RegDword(HKEY_CURRENT_USER, kZone3, "1200"));
    EXPECT_FALSE(testkit::RegValueExists(HKEY_CURRENT_USER, kZone3, "1004"));
}

TEST_F(PageWindowsTest, OptionsPageWritesTheStartModeOfItsRadios) {
    settings.startup = 0;
    settings.playWave = false;
    COptionsPage page(context);
    ui::PropertySheet sheet("Options");
    sheet.AddPage(page);
    std::vector<int> written;
    uitest::Steps steps({
        [&] {
            HWND window = page.Handle();
            EXPECT_TRUE(IsChecked(window, IDC_OPT_MANUAL_START));
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, IDC_OPT_SOUND)));
            for (int id : {IDC_OPT_WINDOWS_STARTUP, IDC_OPT_IE_STARTUP, IDC_OPT_MANUAL_START}) {
                CheckRadioButton(window, IDC_OPT_WINDOWS_STARTUP, IDC_OPT_IE_STARTUP, id);
                Click(window, id);
                written.push_back(settings.startup);
            }
            sheet.EndSheet(IDCANCEL);
            return true;
        },
    });
    sheet.DoModal();
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_EQ((std::vector<int>{2, 1, 0}), written);
}

TEST_F(PageWindowsTest, PopupPageUnticksCatchingWithoutAConfiguredBrowser) {
    CPopupDlg page(context);
    ui::PropertySheet sheet("Popups");
    sheet.AddPage(page);
    uitest::Steps steps({
        [&] {
            HWND window = page.Handle();
            Click(window, IDC_POPUP_ENABLE_CATCH);
            EXPECT_FALSE(IsChecked(window, IDC_POPUP_ENABLE_CATCH));
            EXPECT_FALSE(IsWindowEnabled(GetDlgItem(window, IDC_POPUP_SOUND_ALERT)));
            sheet.EndSheet(IDCANCEL);
            return true;
        },
    });
    sheet.DoModal();
    EXPECT_FALSE(watchdog.Fired());
    ASSERT_EQ(2u, host.infos.size());
    EXPECT_NE(std::string::npos, host.infos[0].find("You can't enable Catching Pop-Ups"));
    // The worker ran once, for no browser, before the page went.
    EXPECT_EQ((std::vector<std::string>{"options", "attach"}), cleaner.Calls());
}

// Windows 95, 98 and NT 4 open no file dialog for the structure 2000 grew.
TEST(SoundFileRequestTest, HasTheSizeEveryTargetSystemAccepts) {
    char file[MAX_PATH] = "";
    const OPENFILENAMEA request = SoundFileRequest(nullptr, file, sizeof(file));
    EXPECT_EQ(static_cast<DWORD>(OPENFILENAME_SIZE_VERSION_400A), request.lStructSize);
    EXPECT_LT(request.lStructSize, sizeof(OPENFILENAMEA));
    EXPECT_EQ(file, request.lpstrFile);
    EXPECT_EQ(sizeof(file), request.nMaxFile);
}

}  // namespace

}  // namespace popup
