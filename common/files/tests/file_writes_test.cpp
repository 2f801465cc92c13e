// Replacing a file through a temporary: all or nothing, read-only files as
// the caller asks.
#include <gtest/gtest.h>
#include <windows.h>

#include "common/files/file_writes.h"
#include "common/files/folder_list.h"
#include "platform/testkit/scratch.h"

namespace {

using files::ReadOnlyFile;
using files::ReplaceThroughTemporary;

// The attributes a user sets, without the archive bit the system adds.
DWORD UserAttributes(const std::string& path) {
    return GetFileAttributesA(path.c_str()) & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
}

TEST(ReplaceThroughTemporary, ReplacesOrCreatesTheWholeFileAndLeavesNoTemporary) {
    testkit::ScratchDir dir("files-replace");
    dir.write("f.ini", "old content that is longer\r\n");
    ASSERT_TRUE(ReplaceThroughTemporary(dir.file("f.ini"), "new\r\n", ReadOnlyFile::Keep));
    EXPECT_EQ("new\r\n", dir.read("f.ini"));
    ASSERT_TRUE(ReplaceThroughTemporary(dir.file("g.ini"), "", ReadOnlyFile::Keep));
    EXPECT_TRUE(dir.exists("g.ini"));
    EXPECT_EQ("", dir.read("g.ini"));
    EXPECT_EQ(2u, files::ListMatches(dir.path() + "\\*").size());
}

TEST(ReplaceThroughTemporary, AReadOnlyFileIsKeptOrReplacedAsAsked) {
    testkit::ScratchDir dir("files-replace-read-only");
    dir.write("f.pro", "original");
    const std::string path = dir.file("f.pro");
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    EXPECT_FALSE(ReplaceThroughTemporary(path, "replacement", ReadOnlyFile::Keep));
    EXPECT_EQ("original", dir.read("f.pro"));
    EXPECT_EQ(DWORD(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN), UserAttributes(path));
    EXPECT_TRUE(ReplaceThroughTemporary(path, "replacement", ReadOnlyFile::Replace));
    EXPECT_EQ("replacement", dir.read("f.pro"));
    EXPECT_EQ(DWORD(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN), UserAttributes(path));
    EXPECT_EQ(1u, files::ListMatches(dir.path() + "\\*").size());
}

// What Windows 9x does without MoveFileEx.
TEST(ReplaceByRenames, StepsAsideUnderANameOfItsOwnAndComesBackWhenThePutFails) {
    testkit::ScratchDir dir("files-replace-renames");
    dir.write("f.ini", "old");
    dir.write("f.ini.old", "the user's own");
    dir.write("new.tmp", "new");
    ASSERT_TRUE(files::ReplaceByRenames(dir.file("new.tmp"), dir.file("f.ini")));
    EXPECT_EQ("new", dir.read("f.ini"));
    EXPECT_EQ("the user's own", dir.read("f.ini.old"));
    EXPECT_EQ(2u, files::ListMatches(dir.path() + "\\*").size());
    EXPECT_FALSE(files::ReplaceByRenames(dir.file("missing.tmp"), dir.file("f.ini")));
    EXPECT_EQ("new", dir.read("f.ini"));
    EXPECT_EQ(2u, files::ListMatches(dir.path() + "\\*").size());
}

TEST(ReplaceThroughTemporary, AFailedPutKeepsTheOldFileItsAttributesAndNoTemporary) {
    testkit::ScratchDir dir("files-replace-fail");
    dir.write("f.pro", "original");
    const std::string path = dir.file("f.pro");
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
    // Held open without delete sharing: nothing can take its place.
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, held);
    EXPECT_FALSE(ReplaceThroughTemporary(path, "replacement", ReadOnlyFile::Replace));
    CloseHandle(held);
    EXPECT_EQ("original", dir.read("f.pro"));
    EXPECT_EQ(DWORD(FILE_ATTRIBUTE_READONLY), UserAttributes(path));
    EXPECT_EQ(1u, files::ListMatches(dir.path() + "\\*").size());
    EXPECT_FALSE(ReplaceThroughTemporary(dir.path() + "\\no such folder\\f.pro", "x",
                                         ReadOnlyFile::Replace));
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
}

}  // namespace
