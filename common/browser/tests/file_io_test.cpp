// Rewrites of users' settings files: all or nothing.
#include <gtest/gtest.h>
#include <windows.h>

#include "common/browser/file_io.h"
#include "platform/testkit/scratch.h"

namespace browsertest {
namespace {

TEST(RewriteFile, ReplacesTheWholeFileAndLeavesNoTemporary) {
    testkit::ScratchDir dir("browser-rewrite");
    dir.write("f.ini", "old content that is longer\r\n");
    ASSERT_TRUE(browser::RewriteFile(dir.file("f.ini"), "new\r\n"));
    EXPECT_EQ("new\r\n", dir.read("f.ini"));
    EXPECT_EQ(1u, browser::ListMatches(dir.path() + "\\*").size());
}

TEST(RewriteFile, FailureKeepsTheOriginalAndSaysSo) {
    testkit::ScratchDir dir("browser-rewrite-fail");
    dir.write("f.ini", "original");
    const std::string path = dir.file("f.ini");
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(browser::RewriteFile(path, "replacement"));
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ("original", dir.read("f.ini"));
    EXPECT_EQ(1u, browser::ListMatches(dir.path() + "\\*").size());
    EXPECT_FALSE(browser::RewriteFile(dir.path() + "\\no such folder\\f.ini", "x"));
}

TEST(EditFile, UnchangedTextIsNotRewritten) {
    testkit::ScratchDir dir("browser-edit");
    dir.write("f.ini", "same");
    const std::string path = dir.file("f.ini");
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_TRUE(browser::EditFile(path, [](const std::string& text) { return text; }));
    EXPECT_FALSE(browser::EditFile(path, [](const std::string& text) { return text + "!"; }));
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_FALSE(browser::EditFile(dir.path() + "\\missing.ini",
                                   [](const std::string& text) { return text; }));
}

}  // namespace
}  // namespace browsertest
