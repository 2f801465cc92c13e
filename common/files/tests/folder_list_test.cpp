// Folder listings.
#include <gtest/gtest.h>

#include <algorithm>

#include "common/files/ansi_names.h"
#include "common/files/folder_list.h"
#include "common/files/whole_file.h"
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



// Names the ANSI code page turns into lookalikes: fullwidth dots and a
// fullwidth backslash read as "..\", "Č" as "C". Each is listed under a
// name that reaches it and nothing else; without a short name it is not
// listed at all, only reported.
TEST(ListFolder, EveryEntryIsReachedByTheNameItIsListedUnder) {
    testkit::ScratchDir dir("files-names");
    dir.write("victim.bin", "outside");  // what "..\victim.bin" would reach from "inner"
    dir.write("inner\\Capek.txt", "other");
    const std::string inner = dir.file("inner");
    ASSERT_FALSE(testkit::MakeWide(inner, L"\xFF0E\xFF0E\xFF3Cvictim.bin", "lookalike").empty());
    ASSERT_FALSE(testkit::MakeWide(inner, L"\x010C" L"apek.txt", "accented").empty());
    ASSERT_FALSE(testkit::MakeWide(inner, L"\xFF0E\xFF0E\xFF3Coutside", nullptr).empty());

    const files::FolderListing listing = files::ListFolder(inner + "\\*");
    ASSERT_TRUE(listing.opened);
    ASSERT_EQ(4u, listing.entries.size());
    std::vector<std::string> contents;
    for (const files::FolderEntry& entry : listing.entries) {
        SCOPED_TRACE(entry.name);
        EXPECT_TRUE(files::IsPlainName(entry.name));
        std::string bytes = "<folder>";
        if (!entry.isFolder) {
            EXPECT_TRUE(files::ReadWholeFile(inner + "\\" + entry.name, bytes));
        }
        contents.push_back(bytes);
    }
    std::sort(contents.begin(), contents.end());
    EXPECT_EQ((std::vector<std::string>{"<folder>", "accented", "lookalike", "other"}), contents);
    EXPECT_EQ("outside", dir.read("victim.bin"));

    // The same entries as a file system without short names lists them.
    WIN32_FIND_DATAW data = {};
    files::FolderEntry entry;
    std::string shown;
    const wchar_t* const unreachable[] = {L"\x010C" L"apek.txt", L"\xFF0E\xFF0E\xFF3Cvictim.bin"};
    for (const wchar_t* name : unreachable) {
        lstrcpyW(data.cFileName, name);
        EXPECT_FALSE(files::ListedEntry(data, entry, shown));
        EXPECT_TRUE(entry.name.empty());
    }
    EXPECT_EQ("???victim.bin", shown);  // for the report only: no lookalike
    lstrcpyW(data.cAlternateFileName, L"VICTIM~1.BIN");
    EXPECT_TRUE(files::ListedEntry(data, entry, shown));
    EXPECT_EQ("VICTIM~1.BIN", entry.name);
    lstrcpyW(data.cFileName, L"plain.txt");
    data.dwFileAttributes = FILE_ATTRIBUTE_REPARSE_POINT;
    EXPECT_TRUE(files::ListedEntry(data, entry, shown));
    EXPECT_EQ("plain.txt", entry.name);
    EXPECT_TRUE(entry.isLink);
}

}  // namespace
