// A fixed-drive item taken by the engine through to the whole-drive wipe,
// with the program's own pass source, messages and progress window over a
// FAT16 volume held in memory.
#include <gtest/gtest.h>

#include <algorithm>

#include "shredder/drive/tests/boot_images.h"
#include "shredder/drive/tests/drive_fakes.h"
#include "shredder/drive_wipe_actions.h"
#include "shredder/tests/engine_fixture.h"

namespace shredder_test {
namespace {

constexpr uint64_t kDataStart = (4 + 2 * 64) * 512 + 512 * 32;  // boot, FATs, root

class WholeDriveChooser : public DriveOptionsChooser {
public:
    bool Choose(const std::string& root, const std::string&, bool& freeSpace,
                bool& formatAfter) override {
        roots.push_back(root);
        freeSpace = false;
        formatAfter = false;
        return true;
    }
    std::vector<std::string> roots;
};

class DriveWipeTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        algorithms_.push_back({"Twice", "", {{PassKind::Pattern, {0xA5}}, {PassKind::Complement, {}}}, true});
        UseAlgorithm(kBuiltInCount, true);
        DriveTable drives;
        drives.slots['Q' - 'A'].root = "Q:\\";
        engine_.SetDrives(drives);
        env_.image = &image_;
        actions_.SetChooser(&chooser_);
        engine_.SetDriveActions(&actions_);
    }
    bool Unchanged() const { return image_ == before_; }

    std::vector<uint8_t> image_ = drive_test::FatVolume(drive_test::FatLayout(), 0x33);
    const std::vector<uint8_t> before_ = image_;
    drive_test::FakeEnvironment env_;
    WholeDriveChooser chooser_;
    DriveWipeActions actions_{engine_, observer_, messenger_, texts_, buffer_, random_, env_};
};

TEST_F(DriveWipeTest, SilentDriveItemRunsTheAlgorithmOverTheVolume) {
    buffer_.FillPassBuffer({PassKind::Pattern, {0x77}}, random_);  // left over from a file
    prompt_.answers = {IDYES};
    EXPECT_EQ(kGoOn, engine_.ShredItem("Q:\\"));

    EXPECT_EQ((std::vector<std::string>{"Q:\\"}), chooser_.roots);
    ASSERT_EQ(1u, prompt_.shown.size());  // the drive warning is asked even in silent runs
    EXPECT_NE(std::string::npos, prompt_.shown[0].find("erase ALL data"));
    EXPECT_EQ((std::vector<std::string>{"Pass 1 of 2: Writing 0xA5",
                                        "Pass 2 of 2: Write complementary to previous pass pattern."}),
              observer_.passLines);
    EXPECT_EQ((std::vector<std::string>{"Shredding drive Local Disk (Q:)"}), observer_.titles);
    EXPECT_EQ(1, observer_.closed);
    EXPECT_GT(observer_.steps, 2 * (image_.size() - kDataStart) / 65536);
    EXPECT_EQ("", messenger_.LastLogged());

    EXPECT_TRUE(std::equal(before_.begin(), before_.begin() + 512, image_.begin()));
    // The complement pass inverted the pattern pass, never the stale buffer.
    EXPECT_EQ(image_.end(), std::find_if(image_.begin() + kDataStart, image_.end(),
                                         [](uint8_t b) { return b != 0x5A; }));
    EXPECT_EQ(image_.begin() + kDataStart,
              std::find_if(image_.begin() + kDataStart - 512 * 32, image_.begin() + kDataStart,
                           [](uint8_t b) { return b != 0; }));
}

TEST_F(DriveWipeTest, RefusalsFailuresAndCancelReachTheRun) {
    prompt_.answers = {IDNO};
    EXPECT_EQ(kGoOn, engine_.ShredItem("Q:\\"));
    EXPECT_TRUE(Unchanged());

    // Logged in a silent run, with the drive filled in, so the run's end
    // writes no "Success" after a wipe that never happened.
    env_.lockFails = true;
    prompt_.answers = {IDYES};
    EXPECT_EQ(kGoOn, engine_.ShredItem("Q:\\"));
    ASSERT_EQ(2u, prompt_.shown.size());  // the two warnings only
    EXPECT_EQ(0u, messenger_.LastLogged().find("Drive Q: could not be locked for shredding.\n"));
    EXPECT_TRUE(Unchanged());
    messenger_.WriteSuccessIfQuiet();
    EXPECT_NE(std::string::npos, dir_.read("log.txt").find("could not be locked"));
    EXPECT_EQ(std::string::npos, dir_.read("log.txt").find("Success"));

    // A failed write goes to the log of a silent run and does not stop it.
    env_.lockFails = false;
    env_.failWritesFrom = kDataStart + 3 * 65536;
    prompt_.answers = {IDYES};
    EXPECT_EQ(kGoOn, engine_.ShredItem("Q:\\"));
    EXPECT_EQ("Failed to write on drive.", messenger_.LastLogged());
    EXPECT_FALSE(engine_.Abort());

    // Cancel in the progress window ends the wipe and the rest of the run.
    env_.failWritesFrom = ~uint64_t(0);
    observer_.cancelAfter = observer_.polls + 5;
    prompt_.answers = {IDYES};
    EXPECT_EQ(kStop, engine_.ShredItem("Q:\\"));
    EXPECT_TRUE(engine_.Abort());
    EXPECT_EQ(4u, prompt_.shown.size());
}

}  // namespace
}  // namespace shredder_test
