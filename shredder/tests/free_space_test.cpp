// The free-space wipe on a small NTFS volume of its own, which
// free_space_test.sh makes, mounts and maps to a drive letter before it
// runs these tests (and checks afterwards). Without that volume
// they are skipped: they never run against any other drive.
#include "shredder/tests/engine_fixture.h"

#include <cstdlib>
#include <cstring>

#include "common/files/folder_list.h"
#include "common/files/whole_file.h"

namespace shredder_test {
namespace {

class FakeFreeSpace : public FreeSpaceQuery {
public:
    bool Query(const std::string&, uint64_t& userFree, uint64_t& diskFree) override {
        userFree = diskFree = (5ULL << 30) / 2;  // 2.5 GiB
        return true;
    }
};

class FreeSpace : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        const char* drive = std::getenv("SHRED_FREESPACE_DRIVE");
        if (!drive || std::strlen(drive) != 2) GTEST_SKIP() << "no test volume mapped";
        root_ = std::string(drive) + "\\";
        // The volume the script made holds its marker and is a few MB small.
        ULARGE_INTEGER user, total, free;
        if (!files::FileExists(root_ + "SHREDVOL.TXT") ||
            !GetDiskFreeSpaceExA(root_.c_str(), &user, &total, &free) || total.QuadPart > (64u << 20))
            GTEST_SKIP() << root_ << " is not the test volume";
        DriveTable drives;
        drives.slots[root_[0] - 'A'].root = root_;
        engine_.SetDrives(drives);
    }
    void Shred(int algorithm, int driveOption) {
        RunSwitches switches;
        switches.silent = true;
        switches.algorithm = algorithm;
        switches.driveOption = driveOption;
        engine_.SetSwitches(switches);
        messenger_.SetSilent(true);
        result_ = engine_.ShredItem(root_);
    }
    int Lines(const std::vector<std::string>& lines, const std::string& part) const {
        int count = 0;
        for (const std::string& line : lines) count += line.find(part) != std::string::npos;
        return count;
    }
    bool LeftClean() const {
        return !files::PathExists(root_ + "SHREDTMP.$$$") &&
               files::ListMatches(root_ + "*.*").size() == 1;
    }

    std::string root_;
    int result_ = -1;
};

TEST_F(FreeSpace, DriveOptionFiveDoesNothing) {
    Shred(1, 5);
    EXPECT_EQ(kGoOn, result_);
    EXPECT_EQ(0, observer_.opened);
}

TEST_F(FreeSpace, FillsTheVolumeThenRunsThePasses) {
    Shred(1, 0);
    EXPECT_EQ(1, Lines(observer_.fileLines, "Preparing temporary file 1 of 1."));
    EXPECT_EQ(1, Lines(observer_.passLines, "Pass 1 of 3"));
    ASSERT_FALSE(targets_.blocks.empty());
    // Every pass covers the whole fill file, and nothing was reported.
    const std::vector<Block> first = PassBlocks(1);
    ASSERT_FALSE(first.empty());
    const uint64_t covered = first.back().offset + first.back().length;
    EXPECT_GT(covered, 4u << 20);
    for (int pass = 2; pass <= 3; ++pass) {
        const std::vector<Block> blocks = PassBlocks(pass);
        ASSERT_FALSE(blocks.empty()) << pass << ": " << dir_.read("log.txt");
        EXPECT_EQ(covered, blocks.back().offset + blocks.back().length);
    }
    EXPECT_FALSE(dir_.exists("log.txt")) << dir_.read("log.txt");
    EXPECT_TRUE(LeftClean());
    EXPECT_EQ(1, observer_.closed);
}

TEST_F(FreeSpace, FailedPassOverATemporaryFileSaysNothingOfKeepingIt) {
    targets_.failAtWrite = 2;
    Shred(1, 0);
    EXPECT_EQ(0u, dir_.read("log.txt").find("Write failed due to unexpected error."));
    EXPECT_EQ(std::string::npos, dir_.read("log.txt").find("Could not overwrite"));
    EXPECT_TRUE(LeftClean());
}

TEST_F(FreeSpace, QuickShredIsTheFillAlone) {
    Shred(0, 0);
    EXPECT_EQ(1, Lines(observer_.fileLines, "Shredding temporary file 1 of 1."));
    EXPECT_EQ(0, Lines(observer_.passLines, "Pass 1 of"));
    EXPECT_TRUE(targets_.blocks.empty());
    EXPECT_TRUE(LeftClean());
}

TEST_F(FreeSpace, CancelWhileFillingCleansUp) {
    observer_.cancelAfter = 3;
    Shred(1, 0);
    EXPECT_EQ(kStop, result_);
    EXPECT_TRUE(targets_.blocks.empty());
    EXPECT_FALSE(observer_.cancelEnabled);
    EXPECT_TRUE(LeftClean());
}

TEST_F(FreeSpace, FileCountFollowsTheFreeSpaceFigure) {
    FakeFreeSpace fake;
    engine_.SetFreeSpaceQuery(&fake);
    Shred(0, 0);
    EXPECT_EQ(1, Lines(observer_.fileLines, "temporary file 3 of 3."));
    EXPECT_TRUE(LeftClean());
}

// What the killed run below does, in a process of its own.
TEST_F(FreeSpace, RunToBeKilled) {
    if (!std::getenv("SHRED_KILLED_RUN")) GTEST_SKIP() << "started only by the test below";
    observer_.stepPause = 20;
    Shred(1, 0);
}

// A run ended from outside (a task's time limit, End Task) leaves no full
// disk: the system deletes the fill files once their handles close.
TEST_F(FreeSpace, KilledRunLeavesNoFillBehind) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string line = std::string("\"") + self + "\" --gtest_filter=FreeSpace.RunToBeKilled";
    SetEnvironmentVariableA("SHRED_KILLED_RUN", "1");
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION child = {};
    ASSERT_TRUE(CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &child));
    SetEnvironmentVariableA("SHRED_KILLED_RUN", nullptr);
    const std::string fill = root_ + "SHREDTMP.$$$\\SHRED000.TMP";
    bool filling = false;
    for (int i = 0; i < 300 && !filling; ++i) {
        Sleep(20);
        files::FolderListing listing = files::ListFolder(root_ + "SHREDTMP.$$$\\*");
        filling = !listing.entries.empty() && listing.entries[0].size > (1u << 20);
    }
    TerminateProcess(child.hProcess, 1);
    WaitForSingleObject(child.hProcess, 10000);
    CloseHandle(child.hProcess);
    CloseHandle(child.hThread);
    ASSERT_TRUE(filling) << "the run never filled";
    for (int i = 0; i < 50 && files::PathExists(fill); ++i) Sleep(100);
    EXPECT_FALSE(files::PathExists(fill));
    // The run's own folder stays (it never got to its clean-up), empty.
    for (int i = 0; i < 50 && !RemoveDirectoryA((root_ + "SHREDTMP.$$$").c_str()); ++i) Sleep(100);
    EXPECT_TRUE(LeftClean());
}

using FreeSpaceWarning = EngineTest;

TEST_F(FreeSpaceWarning, AskedUnderItsOwnTitle) {
    prompt_.answers = {IDCANCEL};
    EXPECT_EQ(kGoOn, engine_.ShredFreeSpace("Q:\\"));
    ASSERT_EQ(1u, prompt_.titles.size());
    EXPECT_EQ("Shred free space warning", prompt_.titles[0]);
    EXPECT_EQ(0, observer_.opened);
}

}  // namespace
}  // namespace shredder_test
