// The program's start and end with its real main window in a scratch
// registry and program folder: a second instance says so and changes
// nothing, starting leaves the window in front with the keyboard, closing
// only hides the window, Exit removes the Run value start wrote, and a proxy
// that cannot start still leaves the browsers restored and the settings
// saved.
#include <gtest/gtest.h>
#include <winsock2.h>
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "common/proxy/tests/loopback.h"
#include "platform/sync/sync.h"
#include "platform/testkit/scratch.h"
#include "platform/ui/tests/recording_prompt.h"
#include "platform/ui/tests/ui_driver.h"
#include "privacy/app/corbelt_dlg.h"
#include "privacy/app/res/corbelt_res.h"
#include "privacy/core/options_file.h"
#include "privacy/look/skin_bitmaps.h"
#include "privacy/look/skin_classes.h"
#include "privacy/look/skin_res.h"

namespace privacy {
namespace {

const char kInternet[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
const char kRun[] = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";

using ui::testing::RecordingPrompt;

class NoCache : public UrlCacheCleaner {
public:
    void DeleteSiteFiles(const std::string&) override {}
    void DeleteAllFiles() override {}
};

// A listening socket that keeps a port taken.
class TakenPort {
public:
    TakenPort() : socket_(::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP)) {
        sockaddr_in address = {};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address);
        listen(socket_, 1);
        int length = sizeof address;
        getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &length);
        port = ntohs(address.sin_port);
    }
    ~TakenPort() { closesocket(socket_); }
    unsigned short port = 0;

private:
    SOCKET socket_;
};

void SetWriteYear(const std::string& path, WORD year) {
    SYSTEMTIME time = {};
    time.wYear = year;
    time.wMonth = time.wDay = 1;
    FILETIME stamp;
    SystemTimeToFileTime(&time, &stamp);
    const HANDLE file = CreateFileA(path.c_str(), FILE_WRITE_ATTRIBUTES, 0, nullptr, OPEN_EXISTING,
                                    0, nullptr);
    SetFileTime(file, nullptr, nullptr, &stamp);
    CloseHandle(file);
}

WORD WriteYear(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA data = {};
    GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data);
    SYSTEMTIME time = {};
    FileTimeToSystemTime(&data.ftLastWriteTime, &time);
    return time.wYear;
}

class Startup : public ::testing::Test {
protected:
    Startup() : registry("corbelt-startup"), dir("corbelt-startup") {
        static const bool skin = [] {
            INITCOMMONCONTROLSEX controls = {sizeof(controls),
                                             ICC_LISTVIEW_CLASSES | ICC_USEREX_CLASSES};
            InitCommonControlsEx(&controls);
            return LoadSkinBitmaps() && RegisterSkinWindowClasses();
        }();
        (void)skin;
        WSADATA data;
        WSAStartup(MAKEWORD(2, 2), &data);
        PrivacySettings settings;
        settings.browserNetscape = settings.browserOpera = 0;
        CSiteRecord site;
        site.host = "kept.example";
        site.hits = 7;
        settings.sites.push_back(site);
        dir.write("Options.opt", WriteOptions(settings));
        testkit::SetRegDword(HKEY_CURRENT_USER, kInternet, "ProxyEnable", 0);
        testkit::SetRegString(HKEY_CURRENT_USER, kInternet, "ProxyServer", "mine:3128");
    }
    ~Startup() override { WSACleanup(); }

    SessionEnv Env(unsigned short port) const {
        SessionEnv env;
        env.programPath = dir.path() + "\\Corbelt.exe";
        env.mutexName = "Velmora Veilstride test";
        env.port = port;
        env.browsers.appDataFolder = dir.file("AppData");
        env.probes.probe = [](const HubAddress&) { return false; };
        env.probes.online = [] { return true; };
        return env;
    }
    std::string ProxyState() const {
        return std::to_string(ProxyEnable()) + " " +
               testkit::RegString(HKEY_CURRENT_USER, kInternet, "ProxyServer");
    }
    long long ProxyEnable() const {
        return testkit::RegDword(HKEY_CURRENT_USER, kInternet, "ProxyEnable");
    }

    testkit::ScratchRegistry registry;
    testkit::ScratchDir dir;
    RecordingPrompt prompt;
    NoCache cache;
};

TEST_F(Startup, SecondInstanceSaysSoAndLeavesSettingsAndBrowsersAlone) {
    CorbeltSession first(Env(0));
    ASSERT_TRUE(first.ClaimInstance());
    first.Prepare();
    const std::string proxyWhileRunning = ProxyState();
    EXPECT_EQ("1 127.0.0.1:0", proxyWhileRunning);
    first.Proxy().Sites().LookupSitePolicy("visited.example", 1);  // unsaved news
    const std::string options = dir.read("Options.opt");

    uitest::Watchdog watchdog(15000);
    CCorbeltDlg second(Env(0), prompt, cache);
    EXPECT_EQ(0, second.DoModal());
    EXPECT_FALSE(watchdog.Fired());
    ASSERT_EQ(1u, prompt.texts.size());
    EXPECT_EQ("Can't open application because there is previous instance running.",
              prompt.texts[0]);
    EXPECT_EQ(options, dir.read("Options.opt"));
    EXPECT_EQ(proxyWhileRunning, ProxyState());
    first.Stop();
    EXPECT_EQ(0, ProxyEnable());
    EXPECT_NE(std::string::npos, dir.read("Options.opt").find("visited.example"));
}

TEST_F(Startup, StartsInTheTrayClosingHidesOnlyExitEndsAndPutsEverythingBack) {
    // The window the user types in keeps the keyboard while the program starts.
    const HWND front = CreateWindowExA(0, "EDIT", "", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                                       100, nullptr, nullptr, nullptr, nullptr);
    SetForegroundWindow(front);
    uitest::Watchdog watchdog(20000);
    CCorbeltDlg dialog(Env(0), prompt, cache);
    bool shownAtStart = false, frontLost = false;
    std::string runValue;
    int ticks = 0;
    long long enabledWhileRunning = -1;
    std::vector<bool> hidden;
    auto hwnd = [&] { return dialog.Handle(); };
    auto openThen = [&](UINT msg, WPARAM wp, LPARAM lp) {
        return [&, msg, wp, lp] {
            SendMessageA(hwnd(), WM_COMMAND, ID_TRAY_OPEN, 0);
            if (!IsWindowVisible(hwnd())) return false;
            PostMessageA(hwnd(), msg, wp, lp);
            return true;
        };
    };
    auto record = [&] {
        hidden.push_back(IsWindow(hwnd()) && !IsWindowVisible(hwnd()));
        return true;
    };
    auto altKey = [](bool down) {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_MENU] = down ? 0x80 : 0;
        SetKeyboardState(keys);
    };
    uitest::Steps steps({
        // The dialog manager shows a dialog when its queue first runs dry:
        // watch for a while.
        [&] {
            shownAtStart = shownAtStart || IsWindowVisible(hwnd());
            frontLost = frontLost || GetForegroundWindow() != front;
            return ++ticks == 25;
        },
        [&] {
            runValue = testkit::RegString(HKEY_LOCAL_MACHINE, kRun, kRunValueName);
            enabledWhileRunning = ProxyEnable();
            return true;
        },
        openThen(WM_COMMAND, ID_HIDE_TO_TRAY, 0), record,
        openThen(WM_COMMAND, IDC_SKIN_CLOSE, 0), record,
        // Alt+F4 as the keyboard sends it, through the accelerator table.
        [&] {
            altKey(true);
            return true;
        },
        openThen(WM_SYSKEYDOWN, VK_F4, 1 << 29),
        [&] {
            altKey(false);
            return record();
        },
        [&] {
            SendMessageA(hwnd(), WM_COMMAND, ID_TRAY_EXIT, 0);
            return true;
        },
    });
    dialog.DoModal();
    EXPECT_FALSE(watchdog.Fired());
    DestroyWindow(front);
    EXPECT_FALSE(shownAtStart);
    EXPECT_FALSE(frontLost);
    EXPECT_EQ(std::vector<bool>({true, true, true}), hidden);
    EXPECT_EQ("\"" + dir.path() + "\\Corbelt.exe\"", runValue);
    EXPECT_FALSE(testkit::RegValueExists(HKEY_LOCAL_MACHINE, kRun, kRunValueName));
    EXPECT_EQ(1, enabledWhileRunning);
    EXPECT_EQ("0 mine:3128", ProxyState());
    EXPECT_TRUE(prompt.texts.empty());
}

// At log-off the system ends the process right after WM_ENDSESSION, or
// sooner when it takes long: the settings and the browsers can wait neither
// for an Exit nor for a connection that does not end.
TEST_F(Startup, SessionEndSavesAndPutsTheUsersProxyBackBeforeTheConnectionsEnd) {
    testkit::SetRegDword(HKEY_CURRENT_USER, kInternet, "ProxyEnable", 1);
    SetWriteYear(dir.file("Options.opt"), 2001);
    uitest::Watchdog watchdog(20000);
    const unsigned short port = TakenPort().port;
    CCorbeltDlg dialog(Env(port), prompt, cache);
    std::string whileRunning, whenConnectionsEnd;
    LRESULT mayEnd = 0;
    WORD savedYear = 0;
    proxy::Socket browser;  // half a request: it ends when the proxy waits for it
    sync::Thread watcher;
    uitest::Steps steps({
        [&] {
            browser = proxytest::Connect(port);
            proxytest::SendAll(browser.get(), "GET http://half.example/ HTTP/1.0\r\n");
            watcher.Start([&] {
                proxytest::PeerClosed(browser.get(), 15000);
                whenConnectionsEnd = ProxyState();
                savedYear = WriteYear(dir.file("Options.opt"));
            });
            whileRunning = ProxyState();
            mayEnd = SendMessageA(dialog.Handle(), WM_QUERYENDSESSION, 0, 0);
            SendMessageA(dialog.Handle(), WM_ENDSESSION, TRUE, 0);
            SendMessageA(dialog.Handle(), WM_COMMAND, ID_TRAY_EXIT, 0);
            return true;
        },
    });
    dialog.DoModal();
    watcher.Join();
    EXPECT_FALSE(watchdog.Fired());
    EXPECT_EQ("1 127.0.0.1:" + std::to_string(port), whileRunning);
    EXPECT_NE(0, mayEnd);
    EXPECT_EQ("1 mine:3128", whenConnectionsEnd);
    EXPECT_LT(2001, savedYear);
}

TEST_F(Startup, TakenPortSaysSocketAndStillRestoresTheBrowsersAndSaves) {
    TakenPort taken;
    // A saved file is told from the loaded one by its time.
    SetWriteYear(dir.file("Options.opt"), 2001);
    uitest::Watchdog watchdog(15000);
    CCorbeltDlg dialog(Env(taken.port), prompt, cache);
    EXPECT_EQ(0, dialog.DoModal());
    EXPECT_LT(2001, WriteYear(dir.file("Options.opt")));
    EXPECT_FALSE(watchdog.Fired());
    ASSERT_EQ(1u, prompt.texts.size());
    EXPECT_EQ(0u, prompt.texts[0].find("Unable to create listen socket.\n\n")) << prompt.texts[0];
    EXPECT_LT(31u, prompt.texts[0].size());
    EXPECT_EQ("0 mine:3128", ProxyState());
    PrivacySettings saved;
    ASSERT_TRUE(ReadOptions(dir.read("Options.opt"), saved));
    ASSERT_EQ(1u, saved.sites.size());
    EXPECT_EQ("kept.example", saved.sites[0].host);
    EXPECT_EQ(7, saved.sites[0].hits);
}

}  // namespace
}  // namespace privacy
