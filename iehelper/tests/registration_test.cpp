// Registration through regsvr32 writes exactly the helper's class, ProgIDs,
// browser-helper key and type library; unregistration takes back all but
// the type library.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "iehelper/helper_registration.h"
#include "platform/testkit/scratch.h"

namespace {

const char kClsid[] = "{4DF1DB24-A57C-11D3-A180-00A0C90AE44B}";
const char kLibId[] = "{34702D12-606C-417E-A192-CAD802F0A870}";
const std::string kClassKey = std::string("CLSID\\") + kClsid;
const std::string kHelperKey =
    std::string("SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Browser Helper Objects\\") +
    kClsid;

std::string HelperPath() {
    char self[MAX_PATH] = "";
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string path = self;
    return path.substr(0, path.find_last_of('\\')) + "\\Vintabar.dll";
}

std::string Default(const std::string& path) {
    return testkit::RegString(HKEY_CLASSES_ROOT, path, "");
}

TEST(HelperRegistration, Regsvr32WritesTheClassTheHelperKeyAndTheTypeLibrary) {
    ASSERT_EQ(0u, testkit::Regsvr32(HelperPath(), false));
    EXPECT_EQ("CookieHlprObj Class", Default(kClassKey));
    EXPECT_EQ("CookieHlprObj.CookieHlprObj.1", Default(kClassKey + "\\ProgID"));
    EXPECT_EQ("CookieHlprObj.CookieHlprObj", Default(kClassKey + "\\VersionIndependentProgID"));
    EXPECT_TRUE(testkit::RegKeyExists(HKEY_CLASSES_ROOT, kClassKey + "\\Programmable"));
    EXPECT_EQ(0, lstrcmpiA(HelperPath().c_str(), Default(kClassKey + "\\InprocServer32").c_str()));
    EXPECT_EQ("Apartment", testkit::RegString(HKEY_CLASSES_ROOT, kClassKey + "\\InprocServer32",
                                              "ThreadingModel"));
    EXPECT_FALSE(testkit::RegKeyExists(HKEY_CLASSES_ROOT, kClassKey + "\\TypeLib"));
    EXPECT_EQ(kClsid, Default("CookieHlprObj.CookieHlprObj.1\\CLSID"));
    EXPECT_EQ(kClsid, Default("CookieHlprObj.CookieHlprObj\\CLSID"));
    EXPECT_EQ("CookieHlprObj.CookieHlprObj.1", Default("CookieHlprObj.CookieHlprObj\\CurVer"));
    EXPECT_TRUE(testkit::RegKeyExists(HKEY_LOCAL_MACHINE, kHelperKey));
    EXPECT_TRUE(testkit::RegKeyExists(HKEY_CLASSES_ROOT, std::string("TypeLib\\") + kLibId + "\\1.0"));

    ASSERT_EQ(0u, testkit::Regsvr32(HelperPath(), true));
    EXPECT_FALSE(testkit::RegKeyExists(HKEY_CLASSES_ROOT, kClassKey));
    EXPECT_FALSE(testkit::RegKeyExists(HKEY_CLASSES_ROOT, "CookieHlprObj.CookieHlprObj.1"));
    EXPECT_FALSE(testkit::RegKeyExists(HKEY_CLASSES_ROOT, "CookieHlprObj.CookieHlprObj"));
    EXPECT_FALSE(testkit::RegKeyExists(HKEY_LOCAL_MACHINE, kHelperKey));
    EXPECT_TRUE(testkit::RegKeyExists(HKEY_LOCAL_MACHINE,
                          "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Browser Helper "
                          "Objects"));
    EXPECT_TRUE(testkit::RegKeyExists(HKEY_CLASSES_ROOT, std::string("TypeLib\\") + kLibId));
}

TEST(HelperRegistration, ARefusedHelperKeyLeavesNoClassBehind) {
    testkit::ScratchRegistry machine("refused-registration");
    // A volatile parent refuses the lasting helper key below it.
    HKEY software = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE", 0, nullptr,
                                             REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr,
                                             &software, nullptr));
    RegCloseKey(software);
    EXPECT_TRUE(FAILED(iehelper::RegisterHelper()));
    EXPECT_FALSE(testkit::RegKeyExists(HKEY_CLASSES_ROOT, kClassKey));
    EXPECT_FALSE(testkit::RegKeyExists(HKEY_CLASSES_ROOT, "CookieHlprObj.CookieHlprObj.1"));
    EXPECT_FALSE(testkit::RegKeyExists(HKEY_CLASSES_ROOT, "CookieHlprObj.CookieHlprObj"));
}

}  // namespace
