// Folders and items through the engine: protected folders, the three
// subfolder options, drive roots and untidy path texts.
#include "shredder/tests/engine_fixture.h"

#include <cstdlib>

#include "common/suite/scourwell.h"
#include "shredder/core/paths.h"
#include "shredder/core/task_collection.h"

namespace shredder_test {
namespace {

using Folder = EngineTest;
using namespace suite::scourwell;

// A silent run that shreds and removes every subfolder ("/F2 /R2").
void SilentWithSubfolders(ShredEngine& engine, Messenger& messenger) {
    RunSwitches switches;
    switches.silent = true;
    switches.folderOption = 2;
    switches.removeOption = 2;
    engine.SetSwitches(switches);
    messenger.SetSilent(true);
}

class Tree {
public:
    explicit Tree(testkit::ScratchDir& dir) : dir_(dir) {
        dir_.write("top\\f1.txt", "one");
        dir_.write("top\\sub\\f2.txt", "two");
        dir_.write("top\\sub\\deeper\\f3.txt", "three");
    }
    std::string Top() const { return dir_.file("top"); }

private:
    testkit::ScratchDir& dir_;
};

TEST_F(Folder, ProtectedFolderChosenDirectlyIsSkipped) {
    dir_.write("prot\\keep.txt", "k");
    engine_.SetProtectedFolders({dir_.file("prot")});
    EXPECT_EQ(kGoOn, engine_.ShredItem(dir_.path() + "\\\\prot\\"));
    EXPECT_EQ(1, ShownContaining("Skipping " + dir_.file("prot") + " folder."));
    EXPECT_TRUE(dir_.exists("prot\\keep.txt"));
}

TEST_F(Folder, ProtectedFolderHoldsWhateverTheSpelling) {
    dir_.write("outer\\protected-folder\\keep.txt", "k");
    const std::string prot = dir_.file("outer\\protected-folder");
    engine_.SetProtectedFolders({prot});
    SilentWithSubfolders(engine_, messenger_);
    char shortName[MAX_PATH] = {};
    ASSERT_NE(0u, GetShortPathNameA(prot.c_str(), shortName, MAX_PATH));
    EXPECT_NE(prot, shortName);
    const std::string spellings[] = {prot + "\\.", prot + "\\..\\protected-folder",
                                     dir_.file("outer") + "\\.\\protected-folder\\", shortName};
    for (const std::string& spelling : spellings) {
        SCOPED_TRACE(spelling);
        EXPECT_EQ(kGoOn, engine_.ShredItem(spelling));
        EXPECT_EQ("k", dir_.read("outer\\protected-folder\\keep.txt"));
    }
    // Without the system's long-name query the parts are looked up one by one.
    EXPECT_EQ(prot + "\\new.txt", LongPathByParts(std::string(shortName) + "\\new.txt"));
    // A folder above it walks past it, whatever the list's own spelling.
    engine_.SetProtectedFolders({std::string(shortName) + "\\."});
    EXPECT_EQ(kGoOn, engine_.ShredItem(dir_.file("outer")));
    EXPECT_EQ("k", dir_.read("outer\\protected-folder\\keep.txt"));
}

TEST_F(Folder, FolderNotShreddedIsNeverRemoved) {
    // An empty protected folder chosen directly, and an empty system folder
    // the user said No to: both stay where they are.
    ASSERT_TRUE(CreateDirectoryA(dir_.file("prot").c_str(), nullptr));
    ASSERT_TRUE(CreateDirectoryA(dir_.file("sys").c_str(), nullptr));
    SetFileAttributesA(dir_.file("sys").c_str(), FILE_ATTRIBUTE_SYSTEM);
    engine_.SetProtectedFolders({dir_.file("prot")});
    EXPECT_EQ(kGoOn, engine_.ShredItem(dir_.file("prot")));
    EXPECT_EQ(1, ShownContaining("Skipping "));
    EXPECT_TRUE(dir_.exists("prot"));
    prompt_.answers = {IDNO};
    EXPECT_EQ(kGoOn, engine_.ShredItem(dir_.file("sys")));
    EXPECT_EQ(1, ShownContaining("is marked as a System folder"));
    EXPECT_TRUE(dir_.exists("sys"));
    SetFileAttributesA(dir_.file("sys").c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(kGoOn, engine_.ShredItem(dir_.file("sys")));  // shredded: now it goes
    EXPECT_FALSE(dir_.exists("sys"));
}

TEST_F(Folder, SubfolderOptionNeverKeepsSubfolders) {
    Tree tree(dir_);
    settings_.WriteDword(kFolderValue, 0);
    EXPECT_EQ(kGoOn, engine_.ShredItem(tree.Top()));
    EXPECT_FALSE(dir_.exists("top\\f1.txt"));
    EXPECT_EQ("two", dir_.read("top\\sub\\f2.txt"));
    EXPECT_TRUE(dir_.exists("top"));  // it still holds the subfolder
}

TEST_F(Folder, SubfolderOptionPromptAsksForEachAndRemoves) {
    Tree tree(dir_);
    settings_.WriteDword(kFolderValue, 1);
    settings_.WriteDword(kRemoveValue, 1);
    prompt_.answers = {IDYES, IDYES, IDYES, IDYES};  // sub, deeper, remove deeper, remove sub
    EXPECT_EQ(kGoOn, engine_.ShredItem(tree.Top()));
    EXPECT_EQ(2, ShownContaining("Shred subfolder:"));
    EXPECT_EQ(2, ShownContaining("Remove folder:"));
    EXPECT_FALSE(dir_.exists("top"));
}

TEST_F(Folder, SilentRunTakesTheSwitchesAndAlways) {
    Tree tree(dir_);
    settings_.WriteDword(kFolderValue, 0);  // the settings do not count in a silent run
    SilentWithSubfolders(engine_, messenger_);
    EXPECT_EQ(kGoOn, engine_.ShredItem(tree.Top() + "\\\\"));
    EXPECT_TRUE(prompt_.shown.empty());
    EXPECT_FALSE(dir_.exists("top"));
}

TEST_F(Folder, DriveRootsAreRootsWhateverTheirSpelling) {
    dir_.write("stays.txt", "s");
    DriveTable drives;
    drives.slots['Q' - 'A'].root = "Q:\\";
    engine_.SetDrives(drives);
    RunSwitches switches;
    switches.driveOption = 5;
    engine_.SetSwitches(switches);
    EXPECT_EQ(kGoOn, engine_.ShredItem("q:"));
    EXPECT_EQ(kGoOn, engine_.ShredItem("Q:\\\\"));
    switches.driveOption = -1;  // the drive dialog: none here, so cancelled
    engine_.SetSwitches(switches);
    EXPECT_EQ(kItemCancelled, engine_.ShredItem("Q:\\"));
    EXPECT_EQ(kItemNotFound, engine_.ShredItem("P:\\"));  // not a fixed drive
    EXPECT_EQ(kItemNotFound, engine_.ShredItem(""));
    EXPECT_TRUE(dir_.exists("stays.txt"));
    EXPECT_EQ(0, observer_.opened);
}

TEST_F(Folder, TotalsCountEveryFileBelow) {
    Tree tree(dir_);
    uint64_t count = 0;
    EXPECT_EQ(11u, engine_.GetFolderTotals(tree.Top(), &count));
    EXPECT_EQ(3u, count);

    // A total past 32 bits keeps the bar's range within what it can show.
    engine_.SetProgressTotal((1ULL << 50) / 65536 * 7 + 1);  // 1 PiB, seven passes
    ASSERT_TRUE(engine_.CreateProgressDialog());
    EXPECT_EQ(0x7FFFFFFFu, observer_.totalRange);
    engine_.DestroyProgressDialog();
    EXPECT_EQ(1, observer_.closed);
}

// A linked folder inside a walked one (made by folder_links_test.sh: a
// folder "walk" holding "link", which leads to its sibling "sibling").
using FolderLinks = EngineTest;

TEST_F(FolderLinks, WalkNeverEntersALinkedFolder) {
    const char* root = std::getenv("SHRED_LINK_FOLDER");
    if (!root) GTEST_SKIP() << "no linked folder made";
    const std::string walk = std::string(root) + "\\walk", sibling = std::string(root) + "\\sibling";
    const std::string kept = "the sibling's own bytes\r\n";
    auto write = [](const std::string& path, const std::string& bytes) {
        OwnedFile file(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        DWORD written = 0;
        ASSERT_TRUE(WriteFile(file.get(), bytes.data(), DWORD(bytes.size()), &written, nullptr));
    };
    write(walk + "\\own.txt", "own");
    write(sibling + "\\keep.txt", kept);
    WIN32_FIND_DATAA link;
    HANDLE find = FindFirstFileA((walk + "\\link").c_str(), &link);
    ASSERT_NE(INVALID_HANDLE_VALUE, find);
    FindClose(find);
    ASSERT_TRUE(link.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT);

    EXPECT_EQ(3u, engine_.GetFolderTotals(walk));
    // A scheduled task asks nothing about what lies behind the link.
    SetFileAttributesA((sibling + "\\keep.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    settings_.WriteDword(kFolderValue, 2);
    TaskCollector collector(messenger_, texts_, settings_, engine_.Abort());
    EXPECT_EQ(2, collector.CollectScheduledFolders(walk, false));
    EXPECT_TRUE(prompt_.shown.empty());
    SilentWithSubfolders(engine_, messenger_);
    EXPECT_EQ(kGoOn, engine_.ShredItem(walk));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((walk + "\\own.txt").c_str()));
    OwnedFile file(CreateFileA((sibling + "\\keep.txt").c_str(), GENERIC_READ, 0, nullptr,
                               OPEN_EXISTING, 0, nullptr));
    ASSERT_NE(INVALID_HANDLE_VALUE, file.get());
    char bytes[64] = {};
    DWORD read = 0;
    ReadFile(file.get(), bytes, sizeof bytes, &read, nullptr);
    EXPECT_EQ(kept, std::string(bytes, read));
}

}  // namespace
}  // namespace shredder_test
