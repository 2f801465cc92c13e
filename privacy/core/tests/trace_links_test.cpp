// Clearing a trace folder beside linked folders (made by
// linked-folders-test.sh): a link inside goes as itself, and nothing it
// leads to is deleted.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "common/files/file_writes.h"
#include "common/files/whole_file.h"
#include "privacy/core/folder_routines.h"

namespace {

using files::PathExists;

TEST(TraceLinks, ClearingNeverFollowsALink) {
    const char* root = std::getenv("VELMORA_LINK_FOLDER");
    if (!root) GTEST_SKIP() << "no linked folder made";
    const std::string walk = std::string(root) + "\\walk", sibling = std::string(root) + "\\sibling";
    ASSERT_TRUE(CreateDirectoryA((walk + "\\sub").c_str(), nullptr));
    for (const std::string& file :
         {walk + "\\recent.lnk", walk + "\\sub\\deeper.txt", sibling + "\\outside.txt"})
        ASSERT_TRUE(files::CreateNewFile(file, "x"));
    SetFileAttributesA((walk + "\\sub").c_str(), FILE_ATTRIBUTE_READONLY);
    privacy::DeleteFolderFiles(walk, "*.*");
    EXPECT_FALSE(PathExists(walk + "\\recent.lnk"));
    EXPECT_FALSE(PathExists(walk + "\\sub"));
    EXPECT_TRUE(PathExists(sibling + "\\outside.txt"));
    EXPECT_TRUE(PathExists(walk));
}

}  // namespace
