// The whole-drive wipe against a volume in memory: every refusal leaves the
// drive untouched, failures are never reported as success, and Cancel
// leaves an empty FAT volume behind.
#include <gtest/gtest.h>

#include <functional>

#include "shredder/drive/drive_shredder.h"
#include "shredder/drive/le_bytes.h"
#include "shredder/drive/tests/boot_images.h"
#include "shredder/drive/tests/drive_fakes.h"

namespace drive_test {
namespace {

struct Rig {
    Rig() : image(FatVolume(FatLayout(), 0xAB)), before(image) { env.image = &image; }

    DriveWipeResult Shred(bool format = false) {
        DriveShredder shredder(env, passes, observer);
        DriveWipeRequest request;
        request.drive = "R:";
        request.displayName = "Local Disk (R:)";
        request.format = format;
        return shredder.ShredDrive(request);
    }
    uint16_t FatEntry(uint32_t cluster) const {
        return shredder::Le16(&image[4 * 512 + 2 * cluster]);
    }

    std::vector<uint8_t> image;
    std::vector<uint8_t> before;
    FakeEnvironment env;
    BytePasses passes{{0x00, 0xFF}};
    RecordingObserver observer;
};

struct Refusal {
    const char* name;
    std::function<void(Rig&)> arrange;
    int key;  // 0: none reported
    DriveWipeOutcome outcome;
    int opens;
};

TEST(DriveRefusals, LeaveTheDriveUntouched) {
    FatLayout fat12;
    fat12.totalSectors = 8000;
    fat12.sectorsPerFat = 6;
    const Refusal cases[] = {
        {"the user says No", [](Rig& r) { r.observer.confirm = Answer::No; }, 0,
         DriveWipeOutcome::Declined, 0},
        {"the Windows drive", [](Rig& r) { r.env.windowsDrive = 'R'; }, 9181,
         DriveWipeOutcome::Refused, 0},
        {"name query fails", [](Rig& r) { r.env.nameQueryFails = true; }, 9082,
         DriveWipeOutcome::Failed, 0},
        {"unsupported name", [](Rig& r) { r.env.fileSystemName = "CDFS"; }, 9081,
         DriveWipeOutcome::Failed, 0},
        {"unreadable boot sector", [](Rig& r) { r.env.readsFail = true; }, 9082,
         DriveWipeOutcome::Failed, 1},
        {"FAT12 called FAT",
         [&](Rig& r) {
             std::vector<uint8_t> boot = FatBootSector(fat12);
             std::copy(boot.begin(), boot.end(), r.image.begin());
             r.before = r.image;
         },
         9081, DriveWipeOutcome::Failed, 1},
        {"NTFS name over a FAT boot sector", [](Rig& r) { r.env.fileSystemName = "NTFS"; }, 9082,
         DriveWipeOutcome::Failed, 1},
        {"the volume cannot be locked", [](Rig& r) { r.env.lockFails = true; }, 9182,
         DriveWipeOutcome::Refused, 2},
    };
    for (const Refusal& c : cases) {
        SCOPED_TRACE(c.name);
        Rig rig;
        c.arrange(rig);
        DriveWipeResult result = rig.Shred(true);
        EXPECT_EQ(c.outcome, result.outcome);
        std::vector<int> expected{9083};
        if (c.key) expected.push_back(c.key);
        EXPECT_EQ(expected, rig.observer.reported);
        EXPECT_EQ(c.opens, rig.env.opens);
        EXPECT_TRUE(rig.env.writes.empty());
        EXPECT_TRUE(rig.image == rig.before);
        EXPECT_EQ(0, rig.env.formats);
        EXPECT_FALSE(result.wroteAnything);
    }
}

TEST(DriveWipe, AFailedWriteIsReportedAndNeverCountsAsDone) {
    Rig rig;
    rig.env.failWritesFrom = 20u << 20;
    DriveWipeResult result = rig.Shred();
    EXPECT_EQ(DriveWipeOutcome::Failed, result.outcome);
    EXPECT_TRUE(rig.observer.Reported(9078));
    EXPECT_TRUE(result.wroteAnything);
    EXPECT_FALSE(rig.observer.progressOpen);
}

TEST(DriveWipe, CancelLeavesAnEmptyFatAndTheFormatRunsOnlyWhenAsked) {
    Rig rig;
    rig.observer.abortAfterBlocks = 3;
    DriveWipeResult result = rig.Shred();
    EXPECT_EQ(DriveWipeOutcome::Aborted, result.outcome);
    EXPECT_EQ(3u, rig.observer.blocks);
    EXPECT_EQ(0xFFF8, rig.FatEntry(0));
    EXPECT_EQ(0xFFFF, rig.FatEntry(1));
    for (uint32_t c = 2; c < 1000; ++c) ASSERT_EQ(0, rig.FatEntry(c)) << c;
    EXPECT_EQ(0, rig.env.formats);
    EXPECT_FALSE(result.formatRequired);

    Rig asked;
    DriveWipeResult done = asked.Shred(true);
    EXPECT_EQ(DriveWipeOutcome::Wiped, done.outcome);
    EXPECT_EQ(1, asked.env.formats);
    EXPECT_FALSE(asked.observer.Reported(9183));
    // Overall range: the bytes of every pass in 64 KB steps, plus one.
    uint64_t bytes = (65536 - 4 - 2 * 64) * 512ull - 512 * 32;
    EXPECT_EQ(bytes, done.bytesPerPass);
    EXPECT_EQ(((bytes * 2) >> 16) + 1, asked.observer.overallRange);
}

}  // namespace
}  // namespace drive_test
