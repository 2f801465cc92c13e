// The uninstall exports' work: Internet Explorer's saved proxy settings put
// back once from "Browser.ini", and the installer's Run value taken out.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "iehelper/byte_list.h"
#include "iehelper/ie_restore.h"
#include "platform/registry/reg_key.h"
#include "platform/testkit/scratch.h"

namespace {

const char kSettings[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";

TEST(ByteListTest, ReadsLowBytesAndRefusesWhatItCannotRead) {
    std::string bytes = "unchanged";
    ASSERT_TRUE(iehelper::ParseByteList("01,00,00,00", 8, bytes));
    EXPECT_EQ(std::string("\x01\x00\x00\x00", 4), bytes);
    ASSERT_TRUE(iehelper::ParseByteList("1fF;0a", 8, bytes));
    EXPECT_EQ(std::string("\xff\x0a", 2), bytes);
    ASSERT_TRUE(iehelper::ParseByteList("", 8, bytes));
    EXPECT_EQ("", bytes);
    bytes = "unchanged";
    EXPECT_FALSE(iehelper::ParseByteList("01,,00", 8, bytes));
    EXPECT_FALSE(iehelper::ParseByteList("zz", 8, bytes));
    EXPECT_FALSE(iehelper::ParseByteList("01,02,03", 2, bytes));
    EXPECT_EQ("unchanged", bytes);
}

class RestoreIETest : public ::testing::Test {
protected:
    std::string Ini(const char* key) const {
        char value[64] = "";
        GetPrivateProfileStringA("IE Settings", key, "", value, sizeof value, ini_.c_str());
        return value;
    }
    std::string Stored(const char* name) const {
        CRegKey key;
        key.Open(HKEY_CURRENT_USER, kSettings, KEY_READ);
        std::string bytes;
        DWORD type = 0;
        return key.ReadBytes(name, bytes, &type) ? std::to_string(type) + ":" + bytes : "";
    }

    testkit::ScratchRegistry reg_{"restore-ie"};
    testkit::ScratchDir dir_{"restore-ie"};
    std::string ini_ = dir_.file("Browser.ini");
};

TEST_F(RestoreIETest, PutsTheSavedSettingsBackOnce) {
    testkit::SetRegDword(HKEY_CURRENT_USER, kSettings, "ProxyEnable", 0);
    EXPECT_EQ(0, iehelper::RestoreIESettings(ini_));  // nothing saved
    dir_.write("Browser.ini",
               "[IE Settings]\r\nSaved=1\r\nProxy=corp:8080\r\nProxyEnable=01,00,00,00\r\n");
    EXPECT_EQ(1, iehelper::RestoreIESettings(ini_));
    EXPECT_EQ("1:corp:8080", Stored("ProxyServer").substr(0, 11));
    EXPECT_EQ(std::string("3:\x01\x00\x00\x00", 6), Stored("ProxyEnable"));
    EXPECT_EQ("1", Ini("Restored"));

    testkit::SetRegString(HKEY_CURRENT_USER, kSettings, "ProxyServer", "changed since");
    EXPECT_EQ(1, iehelper::RestoreIESettings(ini_));
    EXPECT_EQ("changed since", testkit::RegString(HKEY_CURRENT_USER, kSettings, "ProxyServer"));
}

TEST_F(RestoreIETest, AFailedRestoreIsNotMarkedDone) {
    dir_.write("Browser.ini", "[IE Settings]\r\nSaved=1\r\nProxy=corp:8080\r\nProxyEnable=01\r\n");
    // No Internet Settings key to write into.
    EXPECT_EQ(0, iehelper::RestoreIESettings(ini_));
    EXPECT_EQ("", Ini("Restored"));

    testkit::SetRegDword(HKEY_CURRENT_USER, kSettings, "ProxyEnable", 0);
    dir_.write("Browser.ini", "[IE Settings]\r\nSaved=1\r\nProxy=corp:8080\r\nProxyEnable=x1\r\n");
    EXPECT_EQ(0, iehelper::RestoreIESettings(ini_));
    EXPECT_EQ("", Ini("Restored"));
    EXPECT_FALSE(testkit::RegValueExists(HKEY_CURRENT_USER, kSettings, "ProxyServer"));
}

TEST_F(RestoreIETest, AValueTheBackupDoesNotHoldIsNotWritten) {
    testkit::SetRegDword(HKEY_CURRENT_USER, kSettings, "ProxyEnable", 1);
    dir_.write("Browser.ini", "[IE Settings]\r\nSaved=1\r\nProxy=corp:8080\r\n");
    EXPECT_EQ(1, iehelper::RestoreIESettings(ini_));
    EXPECT_EQ(std::string("4:\x01\x00\x00\x00", 6), Stored("ProxyEnable"));
    EXPECT_EQ("corp:8080", testkit::RegString(HKEY_CURRENT_USER, kSettings, "ProxyServer"));

    dir_.write("Browser.ini", "[IE Settings]\r\nSaved=1\r\nProxyEnable=00,00,00,00\r\n");
    testkit::SetRegString(HKEY_CURRENT_USER, kSettings, "ProxyServer", "own:1");
    EXPECT_EQ(1, iehelper::RestoreIESettings(ini_));
    EXPECT_EQ("own:1", testkit::RegString(HKEY_CURRENT_USER, kSettings, "ProxyServer"));
    EXPECT_EQ(std::string("3:\x00\x00\x00\x00", 6), Stored("ProxyEnable"));
}

TEST_F(RestoreIETest, OnlyTheInstallersRunValueIsTakenOut) {
    const char kRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
    testkit::SetRegString(HKEY_LOCAL_MACHINE, kRun, "VelmoraBlinkward", "x");
    testkit::SetRegString(HKEY_LOCAL_MACHINE, kRun, "Other", "y");
    testkit::SetRegString(HKEY_CURRENT_USER, kRun, "Velmora Blinkward", "z");
    iehelper::RemoveInstallerRunValue();
    EXPECT_FALSE(testkit::RegValueExists(HKEY_LOCAL_MACHINE, kRun, "VelmoraBlinkward"));
    EXPECT_TRUE(testkit::RegValueExists(HKEY_LOCAL_MACHINE, kRun, "Other"));
    EXPECT_TRUE(testkit::RegValueExists(HKEY_CURRENT_USER, kRun, "Velmora Blinkward"));
}

}  // namespace
