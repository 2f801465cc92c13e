#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

#include "common/lang/lang_file.h"
#include "platform/testkit/scratch.h"

namespace {

TEST(LanguageList, ListsEveryFileWithItsFlags) {
    testkit::ScratchDir dir("langlist");
    EXPECT_TRUE(lang::ListLanguages(dir.path(), "Language", "Flags").empty());
    dir.write("Language\\English.ini", "");
    dir.write("Language\\Deutsch.ini", "");
    dir.write("Language\\notes.txt", "");
    auto entries = lang::ListLanguages(dir.path(), "Language", "Flags");
    ASSERT_EQ(2u, entries.size());
    std::sort(entries.begin(), entries.end(),
              [](const lang::LanguageEntry& a, const lang::LanguageEntry& b) { return a.name < b.name; });
    EXPECT_EQ("Deutsch", entries[0].name);
    EXPECT_EQ(dir.path() + "\\Flags\\Deutsch.bmp", entries[0].flagPath);
    EXPECT_EQ(dir.path() + "\\Flags\\default.bmp", entries[0].fallbackFlagPath);
    EXPECT_EQ("English", entries[1].name);
}

TEST(LangParams, OtherProgramsReadTheirOwnSectionAndMark) {
    testkit::ScratchDir dir("langparams");
    dir.write("Lang\\English.ini", "[Surgewind]\r\n5=a*b#c\r\n[Scourwell Language Pack]\r\n5=a*b#c\r\n");
    const std::string file = lang::LangFilePath(dir.path(), "Lang", "English");
    EXPECT_EQ("a\nb#c", lang::ReadLangString(file, lang::kTessaline, "5", ""));
    EXPECT_EQ("a*b\nc", lang::ReadLangString(file, lang::kMirrowick, "5", ""));
    EXPECT_EQ("a*b#c", lang::ReadLangString(file, lang::kPellidor, "5", ""));
}

}  // namespace
