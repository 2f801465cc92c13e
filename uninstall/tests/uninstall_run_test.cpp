// Whole uninstaller runs against a redirected registry and a scratch
// Windows folder: which browsers are reset, which boxes appear, and what
// stays as the user had it.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "common/browser/connection_options.h"
#include "common/os/os_version.h"
#include "common/suite/blinkward.h"
#include "platform/testkit/scratch.h"
#include "platform/ui/message_prompt.h"
#include "uninstall/orlenby_app.h"

namespace {

namespace bw = suite::blinkward;

const char kSettings[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
const char kConnections[] =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Connections";

class RecordedPrompt : public ui::MessagePrompt {
public:
    int Show(const std::string& text, const std::string& caption, unsigned) override {
        boxes.push_back(caption + ": " + text);
        return IDOK;
    }
    std::vector<std::string> boxes;
};

class RecordedOptions : public browser::ConnectionOptionWriter {
public:
    bool SetProxy(const std::string& name, const std::string&, const std::string&) override {
        calls.push_back("proxy " + name);
        return true;
    }
    bool SetDirect(const std::string& name) override {
        calls.push_back("direct " + name);
        return true;
    }
    void NotifyChanged() override { calls.push_back("notify"); }
    std::vector<std::string> calls;
};

// A connection's settings value carrying `proxy` with the given flags.
std::string Blob(unsigned char flags, const std::string& proxy) {
    std::string blob(16, '\0');
    blob[0] = 0x3C;
    blob[8] = static_cast<char>(flags);
    blob[12] = static_cast<char>(proxy.size());
    return blob + proxy + std::string(32, '\0');
}

void FakeXp(OSVERSIONINFOA& info) {
    info = OSVERSIONINFOA{sizeof(OSVERSIONINFOA), 5, 1, 2600, VER_PLATFORM_WIN32_NT, ""};
}

class UninstallRun : public ::testing::Test {
protected:
    UninstallRun() {
        SetOsVersionSource(FakeXp);
        where_.windowsFolder = dir_.file("win");
        where_.nt = true;
        where_.bases = {dir_.file("win"), dir_.file("Documents and Settings"), "tester"};
        dir_.write("win\\system32\\drivers\\etc\\hosts", "127.0.0.1 localhost\r\n");
        testkit::SetRegString(HKEY_CURRENT_USER, bw::kProductKey, "Path", dir_.file("prog"));
        testkit::SetRegDword(HKEY_CURRENT_USER, kSettings, "ProxyEnable", 0);
        dir_.write("prog\\acRs.ini", "[Internet]\r\n1001=1\r\n");
    }
    ~UninstallRun() override { SetOsVersionSource(nullptr); }

    bool Run() { return uninstall::COrlenbyApp(where_, prompt_, options_).InitInstance(); }
    void Flag(const char* name, DWORD value) const {
        testkit::SetRegDword(HKEY_CURRENT_USER, bw::kProxySettingKey, name, value);
    }
    long long Stored(const char* name) const {
        return testkit::RegDword(HKEY_CURRENT_USER, bw::kProxySettingKey, name);
    }
    void Connection(const char* name, const std::string& blob) const {
        HKEY key = nullptr;
        RegCreateKeyExA(HKEY_CURRENT_USER, kConnections, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key, nullptr);
        RegSetValueExA(key, name, 0, REG_BINARY, reinterpret_cast<const BYTE*>(blob.data()),
                       static_cast<DWORD>(blob.size()));
        RegCloseKey(key);
    }
    // A Mozilla profile in the default folder of an XP user.
    void Profile(const std::string& name, const std::string& prefs) const {
        dir_.write("Documents and Settings\\tester\\Application Data\\Mozilla\\Profiles\\" + name +
                       "\\x1.slt\\prefs.js",
                   prefs);
    }
    std::string UserJs(const std::string& name) const {
        const std::string file = "Documents and Settings\\tester\\Application Data\\Mozilla\\"
                                 "Profiles\\" + name + "\\x1.slt\\user.js";
        return dir_.exists(file) ? dir_.read(file) : "";
    }

    testkit::ScratchRegistry reg_{"uninstall-run"};
    testkit::ScratchDir dir_{"uninstall-run"};
    uninstall::Surroundings where_;
    RecordedPrompt prompt_;
    RecordedOptions options_;
};

TEST_F(UninstallRun, WithoutTheProductKeyNothingHappens) {
    RegDeleteKeyA(HKEY_CURRENT_USER, bw::kProductKey);
    EXPECT_FALSE(Run());
    EXPECT_TRUE(prompt_.boxes.empty());
    EXPECT_TRUE(options_.calls.empty());
}

TEST_F(UninstallRun, LanAndTwoDialUpsAreResetAndTheUsersOwnConnectionStays) {
    Flag(bw::kLanFlag, 1);
    Flag(bw::kDialUpFlag, 1);
    Connection("DefaultConnectionSettings", Blob(3, "http=VelmoraBlinkward:8100"));
    Connection("dial one", Blob(3, "http=VelmoraBlinkward:8100"));
    Connection("dial two", Blob(3, "http=VelmoraBlinkward:8100"));
    Connection("work", Blob(3, "http=corp:3128"));
    EXPECT_FALSE(Run());
    EXPECT_EQ((std::vector<std::string>{"direct ", "direct dial one", "direct dial two", "notify"}),
              options_.calls);
    EXPECT_EQ(0, Stored(bw::kLanFlag));
    EXPECT_EQ(0, Stored(bw::kDialUpFlag));
    EXPECT_EQ(0, testkit::RegDword(HKEY_CURRENT_USER, kSettings, "ProxyHttp1.1"));
    EXPECT_TRUE(prompt_.boxes.empty());
}

TEST_F(UninstallRun, StaleFlagsGoAndChangeNothingOfTheUsers) {
    Flag(bw::kLanFlag, 1);
    Flag(bw::kDialUpFlag, 1);
    testkit::SetRegDword(HKEY_CURRENT_USER, kSettings, "ProxyEnable", 1);
    testkit::SetRegString(HKEY_CURRENT_USER, kSettings, "ProxyServer", "corp:3128");
    testkit::SetRegDword(HKEY_CURRENT_USER, kSettings, "ProxyHttp1.1", 1);
    Connection("DefaultConnectionSettings", Blob(3, "corp:3128"));
    Run();
    EXPECT_TRUE(options_.calls.empty());
    EXPECT_EQ(1, testkit::RegDword(HKEY_CURRENT_USER, kSettings, "ProxyHttp1.1"));
    EXPECT_EQ(0, Stored(bw::kLanFlag));
    EXPECT_EQ(0, Stored(bw::kDialUpFlag));
    EXPECT_TRUE(prompt_.boxes.empty());
}

TEST_F(UninstallRun, ADialUpOnOurProxyIsResetWhateverElseIsTicked) {
    Flag(bw::kDialUpFlag, 0);
    Connection("auto detect", Blob(11, "http=VelmoraBlinkward:8100"));
    Connection("switched off", Blob(9, "http=VelmoraBlinkward:8100"));
    Run();
    EXPECT_EQ((std::vector<std::string>{"direct auto detect", "notify"}), options_.calls);
}

TEST_F(UninstallRun, AnEmptyTitleTextNeverReachesAWindowWithoutATitle) {
    dir_.write("prog\\Language\\English.ini", "[VelmoraBlinkward]\r\n9999=\r\n");
    HWND stranger = CreateWindowExA(WS_EX_TOOLWINDOW, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr,
                                    nullptr, nullptr, nullptr);
    ASSERT_NE(nullptr, stranger);
    uninstall::COrlenbyApp app(where_, prompt_, options_);
    app.InitInstance();
    EXPECT_EQ(bw::kTitleDefault, app.Title);
    MSG msg;
    EXPECT_FALSE(PeekMessageA(&msg, stranger, bw::WM_UNINSTALL_NOTICE, bw::WM_UNINSTALL_NOTICE,
                              PM_REMOVE));
    DestroyWindow(stranger);
}

TEST_F(UninstallRun, OnlyTheConfiguredMozillaProfileIsRewritten) {
    Flag(bw::kNetscapeFlag, 0);
    testkit::SetRegString(HKEY_CURRENT_USER, "Software\\Mozilla\\Mozilla 1.4", "", "");
    Profile("plain", "user_pref(\"network.proxy.type\", 0);\n");
    Profile("ours",
            "user_pref(\"network.proxy.http\", \"VelmoraBlinkward\");\n"
            "user_pref(\"network.proxy.http_port\", 8100);\n"
            "user_pref(\"network.proxy.type\", 1);\n");
    Run();
    EXPECT_NE(std::string::npos, UserJs("ours").find("user_pref(\"network.proxy.type\", 0);"));
    EXPECT_EQ("", UserJs("plain"));
    ASSERT_EQ(1u, prompt_.boxes.size());
    EXPECT_EQ("Reset Netscape Proxy Settings: Netscape settings will take effect from the second "
              "launch",
              prompt_.boxes[0]);
}

TEST_F(UninstallRun, AnEmptyProductPathRestoresNothing) {
    testkit::SetRegString(HKEY_CURRENT_USER, bw::kProductKey, "Path", "");
    dir_.write("prog\\mHosts", "backup");
    Run();
    ASSERT_EQ(1u, prompt_.boxes.size());
    EXPECT_NE(std::string::npos, prompt_.boxes[0].find("ActiveX restore settings file"));
    EXPECT_EQ("127.0.0.1 localhost\r\n", dir_.read("win\\system32\\drivers\\etc\\hosts"));
    EXPECT_TRUE(dir_.exists("prog\\mHosts"));
}

TEST_F(UninstallRun, MissingHostsIsReportedAndTheRunGoesOn) {
    Flag(bw::kNetscapeFlag, 1);
    DeleteFileA(dir_.file("win\\system32\\drivers\\etc\\hosts").c_str());
    Run();
    ASSERT_EQ(2u, prompt_.boxes.size());
    EXPECT_EQ(0u, prompt_.boxes[0].find("Velmora Blinkward: HOSTS file not found"));
    EXPECT_EQ(0u, prompt_.boxes[1].find("Reset Netscape Proxy Settings: "));
}

}  // namespace
