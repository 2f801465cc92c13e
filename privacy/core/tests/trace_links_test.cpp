// Clearing a trace folder beside linked folders (made by
// linked-folders-test.sh): a link inside goes as itself, and nothing it
// leads to is deleted.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "privacy/core/folder_routines.h"

namespace {

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

void Write(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(INVALID_HANDLE_VALUE, file);
    CloseHandle(file);
}

TEST(TraceLinks, ClearingNeverFollowsALink) {
    const char* root = std::getenv("VELMORA_LINK_FOLDER");
    if (!root) GTEST_SKIP() << "no linked folder made";
    const std::string walk = std::string(root) + "\\walk", sibling = std::string(root) + "\\sibling";
    Write(walk + "\\recent.lnk");
    ASSERT_TRUE(CreateDirectoryA((walk + "\\sub").c_str(), nullptr));
    Write(walk + "\\sub\\deeper.txt");
    SetFileAttributesA((walk + "\\sub").c_str(), FILE_ATTRIBUTE_READONLY);
    Write(sibling + "\\outside.txt");
    privacy::DeleteFolderFiles(walk, "*.*");
    EXPECT_FALSE(Exists(walk + "\\recent.lnk"));
    EXPECT_FALSE(Exists(walk + "\\sub"));
    EXPECT_TRUE(Exists(sibling + "\\outside.txt"));
    EXPECT_TRUE(Exists(walk));
}

}  // namespace
