// Folders and items through the engine: protected folders, the three
// subfolder options, drive roots and untidy path texts.
#include "shredder/tests/engine_fixture.h"

#include <cstdlib>

#include "common/files/ansi_names.h"
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
    EXPECT_FALSE(engine_.WasCancelled());
    EXPECT_EQ(kItemCancelled, engine_.ShredItem("Q:\\"));
    EXPECT_TRUE(engine_.WasCancelled());  // so a silent run never ends as a success
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

// One folder listed as recorded (a file system with file links), every
// other one as the system lists it.
class RecordedLister : public files::FolderLister {
public:
    files::FolderListing List(const std::string& pattern) const override {
        return pattern == recordedPattern ? recorded : files::SystemLister().List(pattern);
    }
    std::string recordedPattern;
    files::FolderListing recorded;
};

// Names the ANSI code page turns into "..\victim.bin", "..\outside" and
// "Capek.txt" lead the walk nowhere but to the files themselves; a linked
// file is never written through, an entry no name reaches is left and
// reported, and the folder holding it stays.
TEST_F(Folder, EveryWalkedEntryIsTheFileItNames) {
    dir_.write("victim.bin", "outside");
    dir_.write("outside\\keep.txt", "kept");
    dir_.write("top\\Capek.txt", "other");
    const std::string top = dir_.file("top");
    ASSERT_FALSE(testkit::MakeWide(top, L"\xFF0E\xFF0E\xFF3Cvictim.bin", "lookalike").empty());
    ASSERT_FALSE(testkit::MakeWide(top, L"\x010C" L"apek.txt", "accented").empty());
    ASSERT_FALSE(testkit::MakeWide(top, L"\xFF0E\xFF0E\xFF3Coutside", nullptr).empty());
    ASSERT_FALSE(testkit::MakeWide(top, L"\xFF0E\xFF0E\xFF3Coutside\\inner.txt", "inner").empty());
    SilentWithSubfolders(engine_, messenger_);
    uint64_t count = 0;
    EXPECT_EQ(5u + 9 + 8 + 5, engine_.GetFolderTotals(top, &count));
    EXPECT_EQ(4u, count);
    EXPECT_EQ(kGoOn, engine_.ShredItem(top));
    EXPECT_FALSE(dir_.exists("top"));
    EXPECT_EQ("outside", dir_.read("victim.bin"));
    EXPECT_EQ("kept", dir_.read("outside\\keep.txt"));

    dir_.write("rec\\linked.txt", "what a link leads to");
    dir_.write("rec\\plain.txt", "plain");
    RecordedLister lister;
    lister.recordedPattern = dir_.file("rec\\*.*");
    lister.recorded.opened = true;
    files::FolderEntry linked{"linked.txt", false, true}, plain{"plain.txt", false};
    lister.recorded.entries = {linked, plain};
    lister.recorded.unnamed = {"???.txt"};
    engine_.SetLister(&lister);
    bool shredded = false;
    EXPECT_EQ(kGoOn, engine_.ShredFolder(dir_.file("rec"), false, kModeOrdinary, &shredded));
    engine_.SetLister(nullptr);
    for (const std::string& path : targets_.paths) EXPECT_EQ(std::string::npos, path.find("linked"));
    EXPECT_FALSE(dir_.exists("rec\\linked.txt"));  // the link itself goes with its folder
    EXPECT_FALSE(dir_.exists("rec\\plain.txt"));
    EXPECT_NE(std::string::npos, dir_.read("log.txt").find("Skipped:\n" + dir_.file("rec\\???.txt") +
                                                          "\nIts name cannot be written"));
}

// The protected folders hold whatever names them: a device prefix, and the
// same folder on a second drive letter (the identity test below).
TEST_F(Folder, ProtectedFoldersHoldWithADevicePrefix) {
    dir_.write("prot\\keep.txt", "k");
    const std::string prot = dir_.file("prot");
    engine_.SetProtectedFolders({prot});
    EXPECT_EQ(kGoOn, engine_.ShredItem("\\\\?\\" + prot));
    EXPECT_EQ(kGoOn, engine_.ShredItem("\\\\.\\" + prot + "\\."));
    EXPECT_EQ(2, ShownContaining("Skipping "));
    EXPECT_EQ(kItemNotFound, engine_.ShredItem("\\\\.\\PhysicalDrive0"));
    EXPECT_EQ(kItemNotFound, engine_.ShredItem("\\\\?\\Volume{00000000-0000-0000-0000-000000000000}\\"));
    EXPECT_EQ("k", dir_.read("prot\\keep.txt"));
}

// A linked folder inside a walked one (made by linked-folders-test.sh: a
// folder "walk" holding "link", which leads to its sibling "sibling"), and
// one beside them ("alone", leading there too).
using FolderLinks = EngineTest;

TEST_F(FolderLinks, WalkNeverEntersALinkedFolder) {
    const char* root = std::getenv("VELMORA_LINK_FOLDER");
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

// A link given as the item goes as a link (Wine cannot remove a Unix link
// to a folder, so here the run says that it stays); a file with another
// name (a hard link) outside the folder keeps its contents; a protected
// folder is known by what it is, whatever drive letter names it.
TEST_F(FolderLinks, LinksAndOtherNamesAreNeverWrittenThrough) {
    const char* root = std::getenv("VELMORA_LINK_FOLDER");
    if (!root) GTEST_SKIP() << "no linked folder made";
    const std::string sibling = std::string(root) + "\\sibling", alone = std::string(root) + "\\alone";
    dir_.write("other.txt", "shared bytes");
    dir_.write("walk\\own.txt", "own");
    ASSERT_TRUE(CreateHardLinkA(dir_.file("walk\\hard.txt").c_str(), dir_.file("other.txt").c_str(),
                                nullptr));
    ASSERT_TRUE(CreateDirectoryA((sibling + "\\inner").c_str(), nullptr) ||
                GetLastError() == ERROR_ALREADY_EXISTS);
    SilentWithSubfolders(engine_, messenger_);
    EXPECT_EQ(kGoOn, engine_.ShredItem(alone));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((sibling + "\\inner").c_str()));
    EXPECT_EQ(kGoOn, engine_.ShredItem(dir_.file("walk")));
    EXPECT_EQ("shared bytes", dir_.read("other.txt"));
    EXPECT_EQ("shared bytes", dir_.read("walk\\hard.txt"));
    EXPECT_FALSE(dir_.exists("walk\\own.txt"));
    // The sibling through the folder's second drive letter is still the
    // protected sibling.
    const char* drive = std::getenv("VELMORA_LINK_DRIVE");
    ASSERT_NE(nullptr, drive);
    engine_.SetProtectedFolders({sibling});
    EXPECT_EQ(kGoOn, engine_.ShredItem(std::string(drive) + "\\sibling"));
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA((sibling + "\\inner").c_str()));
    const std::string log = dir_.read("log.txt");
    EXPECT_EQ(0u, log.find(alone + "\nis a link to another place. ")) << log;
    EXPECT_NE(std::string::npos, log.find("Skipping " + std::string(drive) + "\\sibling folder.")) << log;
    EXPECT_NE(std::string::npos, log.find(dir_.file("walk\\hard.txt") + "\nhas other names")) << log;
}

}  // namespace
}  // namespace shredder_test
