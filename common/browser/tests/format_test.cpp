// The settings-file formats on their own: Opera's [Proxy] section, Mozilla's
// preference lines, the profile registry scan and the version-dependent
// folders.
#include <gtest/gtest.h>

#include "common/browser/mozilla_prefs.h"
#include "common/browser/mozilla_registry.h"
#include "common/browser/opera_ini.h"
#include "common/browser/profile_folders.h"
#include "common/browser/tests/browser_fixture.h"
#include "common/os/os_version.h"

namespace browsertest {
namespace {

using namespace browser;

const char kServer[] = "VelmoraBlinkward:8100";

TEST(OperaIni, BlockAfterALastLineWithoutEndStillStartsWithABlankLine) {
    EXPECT_EQ("[A]\r\nB=1\r\n\r\n[Proxy]\r\nUse HTTP=1\r\nHTTP Server=h:1\r\n",
              ConfigureOperaProxy("[A]\r\nB=1", "h:1"));
}

TEST(OperaIni, SectionWithOneLineGetsTheOther) {
    const std::string configured = ConfigureOperaProxy("[Proxy]\nUse HTTP=0\n[B]\n", kServer);
    EXPECT_EQ("[Proxy]\nHTTP Server=VelmoraBlinkward:8100\nUse HTTP=1\n[B]\n", configured);
    EXPECT_TRUE(OperaIniUsesProxy(configured, kServer));
    EXPECT_TRUE(OperaIniUsesProxy(ConfigureOperaProxy("[Proxy]\nHTTP Server=x\n", kServer),
                                  kServer));
}

TEST(OperaIni, KeysAreWholeKeysNeverPrefixes) {
    const std::string ini = "[Proxy]\nUse HTTPS=1\nHTTPS Server=secure:443\n";
    const std::string configured = ConfigureOperaProxy(ini, kServer);
    EXPECT_NE(std::string::npos, configured.find("Use HTTPS=1\nHTTPS Server=secure:443\n"));
    EXPECT_TRUE(OperaIniUsesProxy(configured, kServer));
    EXPECT_FALSE(OperaIniUsesProxy("[Proxy]\nUse HTTP=10\nHTTP Server=VelmoraBlinkward:8100\n",
                                   kServer));
    EXPECT_FALSE(OperaIniUsesProxy("[Proxy]\nUse HTTP=1\nHTTP Server=VelmoraBlinkward:81000\n",
                                   kServer));
}

TEST(OperaIni, ASectionLineEndingInALoneCarriageReturnIsStillTheSection) {
    const std::string ini = "[A]\nB=1\n[Proxy]\r";
    const std::string configured = ConfigureOperaProxy(ini, kServer);
    EXPECT_EQ("[A]\nB=1\n[Proxy]\nUse HTTP=1\nHTTP Server=VelmoraBlinkward:8100\n", configured);
    EXPECT_TRUE(OperaIniUsesProxy(configured, kServer));
    EXPECT_EQ(configured, ConfigureOperaProxy(configured, kServer));
    EXPECT_FALSE(OperaIniUsesProxy(ClearOperaProxy(configured, kServer), kServer));
    EXPECT_EQ(ini, ClearOperaProxy(ini, kServer)) << "nothing to clear leaves the file as it was";
    const std::string own = "[Proxy]\nUse HTTP=1\nHTTP Server=corp:3128\n";
    EXPECT_EQ(own, ClearOperaProxy(own, kServer)) << "the user's own proxy stays";
}

TEST(OperaIni, LinesOutsideTheSectionAreLeftAlone) {
    const std::string ini = "[Other]\nUse HTTP=0\n[Proxy]\nUse HTTP=0\nHTTP Server=a:1\n";
    EXPECT_EQ("[Other]\nUse HTTP=0\n[Proxy]\nUse HTTP=1\nHTTP Server=VelmoraBlinkward:8100\n",
              ConfigureOperaProxy(ini, kServer));
    EXPECT_FALSE(OperaIniUsesProxy("Use HTTP=1\nHTTP Server=VelmoraBlinkward:8100\n", kServer));
}

TEST(MozillaPrefs, EffectiveLinesDecide) {
    const std::string configured = "user_pref(\"network.proxy.http\", \"VelmoraBlinkward\");\n"
                                   "user_pref(\"network.proxy.http_port\", 8100);\n"
                                   "user_pref(\"network.proxy.type\", 1);\n";
    EXPECT_TRUE(ProfileUsesProxy(configured, ""));
    EXPECT_TRUE(ProfileUsesProxy("", configured));
    EXPECT_FALSE(ProfileUsesProxy(configured, MergePrefLines("", NeutralProxyPrefLines())));
    EXPECT_FALSE(ProfileUsesProxy(
        "user_pref(\"network.proxy.http\",\"VelmoraBlinkward\");\n"
        "user_pref(\"network.proxy.http_port\",8100);\nuser_pref(\"network.proxy.type\",1);\n",
        ""));
}

TEST(MozillaRegistry, ScanStaysInsideTheBufferAndThePathLength) {
    const std::string marker("directory\0", 10);
    std::string bytes = "head" + marker + "C:\\P\\work\\ab12.slt" + std::string(1, '\0') +
                        marker + "C:\\not a profile" + std::string(1, '\0') + marker +
                        "C:\\" + std::string(300, 'x') + "\\y.slt" + std::string(1, '\0') +
                        marker + "C:\\P\\cut\\zz.slt";
    std::vector<std::string> found = ScanProfileDirectories(bytes);
    ASSERT_EQ(1u, found.size());
    EXPECT_EQ("C:\\P\\work\\ab12.slt", found[0]);
    EXPECT_EQ("work", ProfileNameOf(found[0]));
    EXPECT_TRUE(ScanProfileDirectories(marker.substr(0, 9)).empty());
}

TEST(ProfileFolders, LayoutFollowsTheWindowsVersion) {
    const ProfileBases bases{"C:\\WIN", "C:\\Documents and Settings", "ann"};
    EXPECT_EQ("C:\\Documents and Settings\\ann\\Application Data\\Mozilla\\",
              MozillaFolder(COsVersion(VersionRecord(VER_PLATFORM_WIN32_NT, 5, 0)), bases));
    EXPECT_EQ("C:\\WIN\\Application Data\\Mozilla\\",
              MozillaFolder(COsVersion(VersionRecord(VER_PLATFORM_WIN32_WINDOWS, 4, 90)), bases));
    EXPECT_EQ("C:\\WIN\\Profiles\\ann\\Application Data\\Mozilla\\",
              MozillaFolder(COsVersion(VersionRecord(VER_PLATFORM_WIN32_NT, 4, 0)), bases));
    EXPECT_EQ("", MozillaFolder(COsVersion(VersionRecord(VER_PLATFORM_WIN32_NT, 6, 0)), bases));
    EXPECT_EQ("C:\\Documents and Settings\\ann\\Application Data\\Opera\\O7\\profile\\opera6.ini",
              OperaUserIniPath(COsVersion(VersionRecord(VER_PLATFORM_WIN32_NT, 4, 0)), bases,
                               "O7"));
    EXPECT_EQ("C:\\WIN\\Application Data\\Opera\\O7\\profile\\opera6.ini",
              OperaUserIniPath(COsVersion(VersionRecord(VER_PLATFORM_WIN32_WINDOWS, 4, 10)),
                               bases, "O7"));
}

}  // namespace
}  // namespace browsertest
