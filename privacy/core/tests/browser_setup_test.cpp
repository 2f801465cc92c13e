// Browser set-up and restore round trips in a scratch registry and a
// scratch application-data folder: every byte outside the proxy settings
// stays, and restore leaves a proxy that is not ours alone.
#include <gtest/gtest.h>

#include <string>

#include "platform/testkit/scratch.h"
#include "privacy/core/browser_setup.h"
#include "privacy/core/registry_key.h"

namespace privacy {
namespace {

const char kConnections[] = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Connections";
const char kSettings[] = "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

std::string Blob(unsigned char flags, const std::string& proxy, const std::string& tail) {
    std::string blob("\x3c\x00\x00\x00\x05\x00\x00\x00", 8);
    blob += std::string{static_cast<char>(flags), 0, 0, 0};
    blob += std::string{static_cast<char>(proxy.size()), 0, 0, 0} + proxy + tail;
    return blob;
}

std::string ReadBlob(const std::string& name) {
    CRegistryValue value;
    CRegistryKey(kConnections).ReadValue(name, value);
    return value.data;
}

void WriteBlob(const std::string& name, const std::string& blob) {
    CRegistryValue(kConnections, name, REG_BINARY, blob).Write();
}

class BrowserSetup : public ::testing::Test {
protected:
    BrowserSetup() : registry("privacy-browsers"), dir("privacy-browsers") {
        env.appDataFolder = dir.path();
        env.settingsChanged = [this] { ++notices; };
    }
    testkit::ScratchRegistry registry;
    testkit::ScratchDir dir;
    BrowserSetupEnv env;
    int notices = 0;
};

TEST_F(BrowserSetup, InternetExplorerDialUpBlobsAndTheLanSwitch) {
    const std::string tail = std::string("\x07\x00\x00\x00<local>", 11) + std::string(32, '\x01');
    WriteBlob("My ISP", Blob(1, "a:123", tail));
    const std::string broken = Blob(1, "abc", "").substr(0, 14);
    WriteBlob("Broken", broken);
    std::string lying = Blob(1, "a:123", "");
    lying[12] = static_cast<char>(0xF0);
    WriteBlob("Lying", lying);
    WriteBlob("DefaultConnectionSettings", Blob(1, "", tail));
    CRegistryKey(kSettings).WriteString("ProxyServer", "mine:3128");
    CRegistryKey(kSettings).WriteDWord("ProxyEnable", 1);

    SetupIEProxy("127.0.0.1", 8100, env);
    // A second set-up (the Options page) keeps the user's values, not ours.
    SetupIEProxy("127.0.0.1", 8100, env);
    const std::string set = ReadBlob("My ISP");
    EXPECT_EQ(Blob(3, "127.0.0.1:8100", tail), set);
    EXPECT_EQ(Blob(1, "a:123", tail).size() + 9, set.size());
    EXPECT_EQ(broken, ReadBlob("Broken"));
    EXPECT_EQ(lying, ReadBlob("Lying"));
    EXPECT_EQ(Blob(1, "", tail), ReadBlob("DefaultConnectionSettings"));
    EXPECT_EQ(1, testkit::RegDword(registry.currentUser(), kSettings + 5, "ProxyEnable"));
    EXPECT_EQ("127.0.0.1:8100", testkit::RegString(registry.currentUser(), kSettings + 5, "ProxyServer"));
    EXPECT_EQ(1, testkit::RegDword(registry.localMachine(),
                                   "SOFTWARE\\Microsoft\\Internet Explorer\\AdvancedOptions\\HTTP\\PROXY",
                                   "CheckedValue"));

    // The user points one connection at a proxy of their own meanwhile.
    WriteBlob("Own", Blob(3, "mine:3128", tail));
    RestoreIEProxy("127.0.0.1", 8100, env);
    EXPECT_EQ(Blob(1, "a:123", tail), ReadBlob("My ISP"));
    EXPECT_EQ(Blob(3, "mine:3128", tail), ReadBlob("Own"));
    EXPECT_EQ(1, testkit::RegDword(registry.currentUser(), kSettings + 5, "ProxyEnable"));
    EXPECT_EQ("mine:3128", testkit::RegString(registry.currentUser(), kSettings + 5, "ProxyServer"));
    EXPECT_EQ(3, notices);

    // Without a kept copy restore switches our proxy off.
    SetupIEProxy("127.0.0.1", 8100, env);
    CRegistryKey(env.keptKey).DeleteTree();
    RestoreIEProxy("127.0.0.1", 8100, env);
    EXPECT_EQ(Blob(1, "", tail), ReadBlob("My ISP"));
    EXPECT_EQ(0, testkit::RegDword(registry.currentUser(), kSettings + 5, "ProxyEnable"));

    // A LAN proxy that is not ours stays switched on.
    CRegistryKey(kSettings).WriteString("ProxyServer", "corp:80");
    CRegistryKey(kSettings).WriteDWord("ProxyEnable", 1);
    RestoreIEProxy("127.0.0.1", 8100, env);
    EXPECT_EQ(1, testkit::RegDword(registry.currentUser(), kSettings + 5, "ProxyEnable"));
}

TEST_F(BrowserSetup, MozillaFirstProfileOnlyAndItsOtherLinesUntouched) {
    const std::string prefs =
        "# Mozilla User Preferences\n\n// user_pref(\"network.proxy.type\", 4);\n"
        "user_pref(\"browser.startup.homepage\", \"about:blank\");\n"
        "user_pref(\"network.proxy.http_port\", 3128);\n"
        "user_pref(\"network.proxy.type\",  2);\n";
    dir.write("Mozilla\\Profiles\\default\\ab12.slt\\prefs.js", prefs);
    dir.write("Mozilla\\Profiles\\default\\zz99.slt\\prefs.js", "second\n");
    const std::string first = "Mozilla\\Profiles\\default\\ab12.slt\\prefs.js";
    ASSERT_EQ(dir.file(first), FindMozillaPrefs(env));

    SetupMozillaProxy("127.0.0.1", 8100, env);
    const std::string head =
        "# Mozilla User Preferences\n\n// user_pref(\"network.proxy.type\", 4);\n"
        "user_pref(\"browser.startup.homepage\", \"about:blank\");\n"
        "user_pref(\"network.proxy.http_port\", 8100);\n";
    const std::string host = "user_pref(\"network.proxy.http\", \"127.0.0.1\");\n";
    const std::string set = head + "user_pref(\"network.proxy.type\", 1);\n" + host;
    EXPECT_EQ(set, dir.read(first));
    EXPECT_EQ("second\n", dir.read("Mozilla\\Profiles\\default\\zz99.slt\\prefs.js"));

    RestoreMozillaProxy("127.0.0.1", 8100, env);
    EXPECT_EQ(prefs, dir.read(first));

    // A user's own proxy is not switched off.
    const std::string own = "user_pref(\"network.proxy.http\", \"mine\");\nuser_pref(\"network.proxy.http_port\", 8100);\n"
                            "user_pref(\"network.proxy.type\", 1);\n";
    dir.write(first, own);
    RestoreMozillaProxy("127.0.0.1", 8100, env);
    EXPECT_EQ(own, dir.read(first));
}

TEST_F(BrowserSetup, OperaSectionLinesWithoutTouchingHttps) {
    const std::string ini =
        "Opera Preferences version 2.0\r\n\r\n[User Prefs]\r\nUse HTTP=7\r\n\r\n[Proxy]\r\n"
        "Use HTTPS=1\r\nHTTPS Server=secure:443\r\nUse HTTP=0\r\n\r\n[Adv]\r\nX=1\r\n";
    dir.write("Opera\\Opera7\\profile\\opera6.ini", ini);
    SetupOperaProxy("127.0.0.1", 8100, env);
    const std::string set =
        "Opera Preferences version 2.0\r\n\r\n[User Prefs]\r\nUse HTTP=7\r\n\r\n[Proxy]\r\n"
        "Enable HTTP 1.1 for proxy=1\r\nHTTP Server=127.0.0.1:8100\r\n"
        "Use HTTPS=1\r\nHTTPS Server=secure:443\r\nUse HTTP=1\r\n\r\n[Adv]\r\nX=1\r\n";
    EXPECT_EQ(set, dir.read("Opera\\Opera7\\profile\\opera6.ini"));
    RestoreOperaProxy("127.0.0.1", 8100, env);
    EXPECT_EQ(ini, dir.read("Opera\\Opera7\\profile\\opera6.ini"));

    // A file without the section gets it at its end.
    dir.write("Opera\\Opera7\\profile\\opera6.ini", "[User Prefs]\r\nA=1\r\n");
    SetupOperaProxy("127.0.0.1", 8100, env);
    EXPECT_EQ("[User Prefs]\r\nA=1\r\n[Proxy]\r\nEnable HTTP 1.1 for proxy=1\r\n"
              "HTTP Server=127.0.0.1:8100\r\nUse HTTP=1\r\n",
              dir.read("Opera\\Opera7\\profile\\opera6.ini"));
}

// What the user had none of is not left behind, whatever the browser.
TEST_F(BrowserSetup, RestorePutsBackExactlyWhatSetUpChanged) {
    const std::string socksOnly =
        "user_pref(\"network.proxy.socks\", \"socks.lan\");\nuser_pref(\"network.proxy.socks_port\", 1080);\n"
        "user_pref(\"network.proxy.type\", 1);\n";
    dir.write("Mozilla\\P\\default\\s.slt\\prefs.js", socksOnly);
    const std::string opera = "[Proxy]\r\nUse HTTP=1\r\nHTTP Server=corp:80\r\n[Adv]\r\n";
    dir.write("Opera\\O\\profile\\opera6.ini", opera);
    CRegistryKey(kSettings).WriteString("ProxyServer", "typed:8080");  // never switched on

    SetupMozillaProxy("127.0.0.1", 8100, env);
    SetupOperaProxy("127.0.0.1", 8100, env);
    SetupIEProxy("127.0.0.1", 8100, env);
    ASSERT_NE(socksOnly, dir.read("Mozilla\\P\\default\\s.slt\\prefs.js"));
    RestoreMozillaProxy("127.0.0.1", 8100, env);
    RestoreOperaProxy("127.0.0.1", 8100, env);
    RestoreIEProxy("127.0.0.1", 8100, env);
    EXPECT_EQ(socksOnly, dir.read("Mozilla\\P\\default\\s.slt\\prefs.js"));
    EXPECT_EQ(opera, dir.read("Opera\\O\\profile\\opera6.ini"));
    EXPECT_EQ("typed:8080", testkit::RegString(registry.currentUser(), kSettings + 5, "ProxyServer"));
    EXPECT_FALSE(testkit::RegValueExists(registry.currentUser(), kSettings + 5, "ProxyEnable"));
}

}  // namespace
}  // namespace privacy
