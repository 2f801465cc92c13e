// The text reader against the platform's own profile reads, over files
// shaped in every way a hand-edited language or settings file can be.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "common/lang/lang_file.h"
#include "common/lang/profile_text.h"
#include "platform/testkit/scratch.h"

namespace {

const std::vector<std::string> kFiles = {
    "[S]\r\n2=two\r\n20=twenty\r\n",
    "[S]\r\n20=twenty\r\n",
    "  [ s ]  \r\n  2  =  spaced value  \r\n\t20\t=\ttab\r\n",
    "[s]\n2=lower section\n[S]\n2=second section\n",
    "[S]\n20=a\n[T]\n2=other\n[S]\n2=late\n",
    "2=before any section\n[S]\n2=in\n",
    "[S]\r2=lone cr\r20=next\r",
    "[S]\r\n2=\"quoted\"\r\n20='single'\r\n3=\"open\r\n4='mixed\"\r\n5=\"\"\r\n6=\"\r\n",
    "[S]\r\n2\r\n20=x\r\n",
    "[S]\r\n2=\r\n20=empty above\r\n",
    "[S]\r\n2=a=b=c\r\n=no name\r\n",
    "[S\r\n2=unclosed section\r\n[S]x\r\n2=after bracket\r\n",
    "[S]]\r\n2=double bracket\r\n[S]\r\n2=plain\r\n",
    "[S]\r\n2=" + std::string(400, 'v') + "\r\n",
    "[S]\r\n2=x\x1a\r\n\x1a" "20=ctrl-z\r\n",
    "[S]\r\n;2=comment\r\n2=after comment\r\n",
    "[S]\r\n2=last line without end",
    "",
    "\r\n\r\n[S]",
    std::string("[S]\r\n2=a\0b\r\n20\0x=y\r\n", 21),
    "[S]\r\n2=caf\xe9 \xa0\r\n20=\xa0x\r\n",
};

const std::vector<std::string> kSections = {"S", "s", " S ", "T", "", "X"};
const std::vector<std::string> kKeys = {"2", "20", " 2\t", "3", "4", "5", "6", ";2", "", "x"};

std::string PlatformString(const std::string& file, const std::string& section,
                           const std::string& key, const char* def, DWORD size) {
    std::string buffer(size + 1, '\0');
    const DWORD length = GetPrivateProfileStringA(section.c_str(), key.c_str(), def, &buffer[0],
                                                  size, file.c_str());
    return buffer.substr(0, length);
}

TEST(ProfileText, AnswersAsThePlatformReadDoes) {
    testkit::ScratchDir dir("profile-text");
    for (size_t f = 0; f < kFiles.size(); ++f) {
        const std::string name = "file" + std::to_string(f) + ".ini";
        dir.write(name, kFiles[f]);
        const std::string path = dir.file(name);
        for (const std::string& section : kSections) {
            for (const std::string& key : kKeys) {
                SCOPED_TRACE("file " + std::to_string(f) + " [" + section + "] " + key);
                for (DWORD size : {250u, 8u}) {
                    EXPECT_EQ(PlatformString(path, section, key, "def  ", size),
                              lang::ProfileString(kFiles[f], section, key, "def  ", size));
                }
                EXPECT_EQ(static_cast<int>(GetPrivateProfileIntA(section.c_str(), key.c_str(), 7,
                                                                 path.c_str())),
                          lang::ProfileInt(kFiles[f], section, key, 7));
            }
        }
    }
}

TEST(ProfileText, IntegersAsThePlatformReadsThem) {
    testkit::ScratchDir dir("profile-int");
    const std::vector<std::string> values = {
        "8100", " -5", "+12", "4294967295", "4294967296", "99999999999", "0x1F90", "0X10",
        "0o17", "0b101", "12abc", "abc", "", "\"42\"", "- 3", "0", "0x", "123456789012345678901234567890123",
        "'-0x10'", "\t9"};
    std::string text = "[S]\r\n";
    for (size_t i = 0; i < values.size(); ++i) text += "k" + std::to_string(i) + "=" + values[i] + "\r\n";
    dir.write("ints.ini", text);
    for (size_t i = 0; i < values.size(); ++i) {
        const std::string key = "k" + std::to_string(i);
        SCOPED_TRACE(values[i]);
        EXPECT_EQ(static_cast<int>(GetPrivateProfileIntA("S", key.c_str(), 7, dir.file("ints.ini").c_str())),
                  lang::ProfileInt(text, "S", key, 7));
    }
}

TEST(LangText, KeysMatchWholeAndTextsAreCutToTheProgramBuffer) {
    const std::string text = "[VelmoraBlinkward]\r\n20=twenty\r\n99990=title\r\n9999=" +
                             std::string(300, 'a') + "#b\r\n";
    EXPECT_EQ("fallback", lang::LangText(text, lang::kHalvaneText, "2", "fallback"));
    EXPECT_EQ("title", lang::LangText(text, lang::kHalvaneText, "99990", ""));
    EXPECT_EQ(std::string(249, 'a'), lang::LangText(text, lang::kHalvaneText, "9999", ""));
    EXPECT_EQ(std::string(300, 'a') + "\nb", lang::LangText(text, lang::kOrlenby, "9999", ""));
    EXPECT_EQ("a#b", lang::LangText("", lang::kHalvaneDialog, "1", "a#b"));
    EXPECT_EQ("a\nb", lang::LangText("", lang::kHalvaneText, "1", "a#b"));
}

}  // namespace
