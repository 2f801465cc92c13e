// Folder listings.
#include <gtest/gtest.h>

#include <algorithm>

#include "common/files/folder_list.h"
#include "platform/testkit/scratch.h"

namespace {

TEST(ListMatches, LeavesOutTheDotEntriesAndMarksFolders) {
    testkit::ScratchDir dir("files-list");
    dir.write("a.txt", "x");
    dir.write("sub\\b.txt", "x");
    std::vector<files::FolderEntry> entries = files::ListMatches(dir.path() + "\\*");
    ASSERT_EQ(2u, entries.size());
    std::sort(entries.begin(), entries.end(),
              [](const files::FolderEntry& a, const files::FolderEntry& b) { return a.name < b.name; });
    EXPECT_EQ("a.txt", entries[0].name);
    EXPECT_FALSE(entries[0].isFolder);
    EXPECT_EQ("sub", entries[1].name);
    EXPECT_TRUE(entries[1].isFolder);
    EXPECT_TRUE(files::ListMatches(dir.path() + "\\none\\*").empty());
}

TEST(ListFileTitles, NamesFilesWithoutTheirExtensionAndSkipsFolders) {
    testkit::ScratchDir dir("files-titles");
    dir.write("one.wav", "x");
    dir.write("two.wav", "x");
    dir.write("folder.wav\\inside.wav", "x");
    std::vector<std::string> titles = files::ListFileTitles(dir.path(), "*.wav");
    std::sort(titles.begin(), titles.end());
    EXPECT_EQ((std::vector<std::string>{"one", "two"}), titles);
}

}  // namespace
