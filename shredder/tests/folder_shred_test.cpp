// Folders and items through the engine: protected folders, the three
// subfolder options, drive roots and untidy path texts.
#include "shredder/tests/engine_fixture.h"

#include "common/suite/scourwell.h"

namespace shredder_test {
namespace {

using Folder = EngineTest;
using namespace suite::scourwell;

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
    RunSwitches switches;
    switches.silent = true;
    switches.folderOption = 2;
    switches.removeOption = 2;
    engine_.SetSwitches(switches);
    messenger_.SetSilent(true);
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

}  // namespace
}  // namespace shredder_test
