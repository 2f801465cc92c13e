// The file, text and registry routines: the section-file reader and
// editors, line normalisation, parent folders and the registry wrappers.
#include <gtest/gtest.h>

#include <string>

#include "platform/testkit/scratch.h"
#include "privacy/core/ini_lines.h"
#include "privacy/core/registry_key.h"
#include "privacy/core/text_routines.h"

namespace privacy {
namespace {

IniSection Section(const std::string& line, const std::string& comment) {
    IniSection where;
    where.sectionLine = line;
    where.sectionMark = "[";
    where.skipPrefix = comment;
    where.normalise = true;
    return where;
}

TEST(TextRoutines, NormaliseAndParent) {
    EXPECT_EQ("user_pref(\"a\",1);", NormaliseLine("  user_pref(\"a\" ,  1);\t"));
    EXPECT_EQ("2=Sites", NormaliseLine("2 =  Sites"));
    EXPECT_EQ("[A , B]", NormaliseLine("[A , B]"));
    EXPECT_EQ("x =", NormaliseLine("x ="));
    EXPECT_EQ("C:\\Folder", ParentFolder("C:\\Folder\\Sub\\"));
    EXPECT_EQ("a/b", ParentFolder("a/b/c"));
    EXPECT_EQ("", ParentFolder("file"));
    EXPECT_EQ(-42, StringToInt("  -42abc"));
    EXPECT_EQ(2147483647, StringToInt("99999999999"));
}

TEST(IniLines, ReaderFindsKeysBySectionAndWholePrefix) {
    const std::string text =
        "2=Before\r\n[VelmoraVeilstride]\r\n; 2=comment\r\n20=Twenty\r\n2 = Sites\r\n2=Second\r\n"
        "\r\n[Other]\r\n2=Other\r\n[velmoraveilstride]\r\n3=Again\r\n";
    const IniSection lang = Section("[VelmoraVeilstride]", ";");
    EXPECT_EQ(std::vector<std::string>({"2=Sites", "2=Second"}), CollectIniLines(text, lang, "2=", ""));
    EXPECT_EQ(std::vector<std::string>({"20=Twenty", "2=Sites", "2=Second"}),
              CollectIniLines(text, lang, "2", ""));
    EXPECT_EQ(std::vector<std::string>({"3=Again"}), CollectIniLines(text, lang, "3=", ""));
}

TEST(IniLines, EditorsKeepEveryOtherByteAndAppendWhereTheSectionEnds) {
    const IniSection proxy = Section("[Proxy]", ";");
    const std::string ini = "[Proxy]\r\n;Use HTTP=9\r\nUse HTTPS=1\r\nUse HTTP = 0\r\n[Next]\r\nUse HTTP=5";
    EXPECT_EQ("[Proxy]\r\n;Use HTTP=9\r\nUse HTTPS=1\r\nUse HTTP=1\r\n[Next]\r\nUse HTTP=5",
              ReplaceIniLineText(ini, proxy, "Use HTTP=0", "Use HTTP=1"));
    EXPECT_EQ(ini, ReplaceIniLineText(ini, proxy, "Use HTTP=7", "Use HTTP=1"));
    EXPECT_EQ("[Proxy]\r\n;Use HTTP=9\r\nX=1\r\nUse HTTPS=1\r\nUse HTTP = 0\r\n[Next]\r\nUse HTTP=5",
              InsertIniLineText(ini, proxy, "X=1"));
    // A section that is the file's last line, and one that is missing.
    EXPECT_EQ("a\n[Proxy]\nX=1\n", InsertIniLineText("a\n[Proxy]", proxy, "X=1"));
    EXPECT_EQ("a\n[Proxy]\nX=1\n", InsertIniLineText("a\n", proxy, "X=1"));
    EXPECT_EQ("a\r\nX=1\r\n", InsertIniLineText("a\r\n", IniSection(), "X=1"));
    // A last line ended by a lone carriage return gets a whole line end, so
    // it is not joined to the line put behind it.
    EXPECT_EQ("a\n[Proxy]\nX=1\n", InsertIniLineText("a\n[Proxy]\r", proxy, "X=1"));
    EXPECT_EQ("b\na\n[Proxy]\nX=1\n", InsertIniLineText("b\na\r", proxy, "X=1"));

    testkit::ScratchDir dir("privacy-ini");
    dir.write("opera6.ini", ini);
    ASSERT_TRUE(SetIniLine(dir.file("opera6.ini"), proxy, "Use HTTP=", "Use HTTP=1"));
    EXPECT_EQ(ReplaceIniLineText(ini, proxy, "Use HTTP=0", "Use HTTP=1"), dir.read("opera6.ini"));
    EXPECT_FALSE(SetIniLine(dir.file("missing.ini"), proxy, "Use HTTP=", "Use HTTP=1"));
    EXPECT_FALSE(dir.exists("missing.ini"));
}

TEST(RegistryWrappers, RootsPathsAndWholeValues) {
    testkit::ScratchRegistry registry("privacy-registry");
    EXPECT_EQ(HKEY_LOCAL_MACHINE, ParseRootKey("hklm"));
    EXPECT_EQ(HKEY_CURRENT_CONFIG, ParseRootKey("HCC"));
    EXPECT_EQ(nullptr, ParseRootKey("HKCC"));

    CRegistryKey key("hklm\\Software\\Velmora Test\\Key");
    const std::string longText(3000, 'v');
    ASSERT_TRUE(key.WriteString("Long", longText));
    ASSERT_TRUE(key.WriteDWord("Number", 7));
    CRegistryKey sameKey("HKEY_LOCAL_MACHINE\\Software\\Velmora Test\\Key");
    CRegistryValue value;
    ASSERT_TRUE(sameKey.ReadValue("Long", value));
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), value.type);
    EXPECT_EQ(longText + '\0', value.data);
    ASSERT_TRUE(sameKey.ReadValue("Number", value));
    std::string bytes;
    EXPECT_FALSE(value.GetBinary(bytes));
    EXPECT_FALSE(CRegistryKey("HKCC\\Software\\Velmora Test\\Key").ReadValue("Number", value));
    EXPECT_EQ(0u, value.type);

    CRegistryValue blob("HKCU\\Software\\Velmora Test\\Blobs", "b", REG_BINARY, std::string("\x01\x00\x02", 3));
    ASSERT_TRUE(blob.Write());
    CRegistryKey blobs("HKCU\\Software\\Velmora Test\\Blobs");
    blobs.ReadValues();
    ASSERT_EQ(1u, blobs.values.size());
    ASSERT_TRUE(blobs.values[0].GetBinary(bytes));
    EXPECT_EQ(std::string("\x01\x00\x02", 3), bytes);

    ASSERT_TRUE(CRegistryKey("HKLM\\Software\\Velmora Test\\Key\\Sub").WriteDWord("x", 1));
    EXPECT_TRUE(CRegistryKey("HKLM\\Software\\Velmora Test\\Key").DeleteTree());
    EXPECT_FALSE(sameKey.ReadValue("Number", value));
    EXPECT_FALSE(CRegistryKey("HKLM\\Software\\Velmora Gone\\Key").DeleteTree());
    CRegKey gone;
    EXPECT_FALSE(OpenRegistryPath("HKLM\\Software\\Velmora Gone", KeyAccess::Read, gone));
}

}  // namespace
}  // namespace privacy
