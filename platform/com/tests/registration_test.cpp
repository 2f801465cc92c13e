// Registration of a server class under HKEY_CLASSES_ROOT (the scratch
// prefix's own), and its removal.
#include <gtest/gtest.h>

#include "platform/com/registration.h"
#include "platform/com/module.h"
#include "platform/com/text.h"
#include "platform/testkit/scratch.h"

namespace {

const CLSID kClsid = {0x6d1e0c4a, 0x3f2b, 0x4e8d, {0xa1, 0x90, 0x55, 0x0b, 0x7e, 0x21, 0x3c, 0x02}};
const GUID kLibId = {0x6d1e0c4a, 0x3f2b, 0x4e8d, {0xa1, 0x90, 0x55, 0x0b, 0x7e, 0x21, 0x3c, 0x03}};

TEST(ComRegistration, WritesTheClassBothProgIdsAndTheLibraryLinkThenRemovesThem) {
    com::ServerClass cls;
    cls.clsid = &kClsid;
    cls.description = "Velmora Test Class";
    cls.progId = "VelmoraTest.Sample.1";
    cls.versionIndependentProgId = "VelmoraTest.Sample";
    cls.threadingModel = "Apartment";
    cls.typeLib = &kLibId;
    cls.typeLibVersion = "1.0";
    ASSERT_EQ(S_OK, com::RegisterServerClass(cls));

    const std::string key = "CLSID\\" + com::GuidText(kClsid);
    EXPECT_EQ("Velmora Test Class", testkit::RegString(HKEY_CLASSES_ROOT, key, ""));
    EXPECT_EQ(com::module::Path(), testkit::RegString(HKEY_CLASSES_ROOT, key + "\\InprocServer32", ""));
    EXPECT_EQ("Apartment", testkit::RegString(HKEY_CLASSES_ROOT, key + "\\InprocServer32", "ThreadingModel"));
    EXPECT_EQ("VelmoraTest.Sample.1", testkit::RegString(HKEY_CLASSES_ROOT, key + "\\ProgID", ""));
    EXPECT_EQ("VelmoraTest.Sample", testkit::RegString(HKEY_CLASSES_ROOT, key + "\\VersionIndependentProgID", ""));
    EXPECT_EQ(com::GuidText(kLibId), testkit::RegString(HKEY_CLASSES_ROOT, key + "\\TypeLib", ""));
    EXPECT_EQ("1.0", testkit::RegString(HKEY_CLASSES_ROOT, key + "\\Version", ""));
    EXPECT_EQ(com::GuidText(kClsid), testkit::RegString(HKEY_CLASSES_ROOT, "VelmoraTest.Sample.1\\CLSID", ""));
    EXPECT_EQ("VelmoraTest.Sample.1", testkit::RegString(HKEY_CLASSES_ROOT, "VelmoraTest.Sample\\CurVer", ""));
    CLSID found = {};
    EXPECT_EQ(S_OK, CLSIDFromProgID(L"VelmoraTest.Sample", &found));
    EXPECT_TRUE(IsEqualCLSID(kClsid, found));

    ASSERT_EQ(S_OK, com::UnregisterServerClass(cls));
    EXPECT_EQ("", testkit::RegString(HKEY_CLASSES_ROOT, key, ""));
    EXPECT_EQ("", testkit::RegString(HKEY_CLASSES_ROOT, "VelmoraTest.Sample.1\\CLSID", ""));
    EXPECT_EQ("", testkit::RegString(HKEY_CLASSES_ROOT, "VelmoraTest.Sample\\CurVer", ""));
    // Removing what is already gone is no failure.
    EXPECT_EQ(S_OK, com::UnregisterServerClass(cls));
}

}  // namespace
