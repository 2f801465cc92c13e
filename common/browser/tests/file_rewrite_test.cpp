// Rewrites of users' settings files: all or nothing.
#include <gtest/gtest.h>
#include <windows.h>

#include "common/browser/file_rewrite.h"
#include "common/files/folder_list.h"
#include "platform/testkit/scratch.h"

namespace browsertest {
namespace {

TEST(RewriteFile, ReplacesTheWholeFileAndLeavesNoTemporary) {
    testkit::ScratchDir dir("browser-rewrite");
    dir.write("f.ini", "old content that is longer\r\n");
    ASSERT_TRUE(browser::RewriteFile(dir.file("f.ini"), "new\r\n"));
    EXPECT_EQ("new\r\n", dir.read("f.ini"));
    EXPECT_EQ(1u, files::ListMatches(dir.path() + "\\*").size());
}

TEST(RewriteFile, FailureKeepsTheOriginalAndSaysSo) {
    testkit::ScratchDir dir("browser-rewrite-fail");
    dir.write("f.ini", "original");
    const std::string path = dir.file("f.ini");
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_FALSE(browser::RewriteFile(path, "replacement"));
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ("original", dir.read("f.ini"));
    EXPECT_EQ(1u, files::ListMatches(dir.path() + "\\*").size());
    EXPECT_FALSE(browser::RewriteFile(dir.path() + "\\no such folder\\f.ini", "x"));
}

}  // namespace
}  // namespace browsertest
