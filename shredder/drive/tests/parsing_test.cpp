// Boot sectors, run lists, file-record fixups and the cutting of blocks
// around kept ranges, as tables of cases.
#include <gtest/gtest.h>

#include <cstring>

#include "shredder/drive/kept_ranges.h"
#include "shredder/drive/le_bytes.h"
#include "shredder/drive/mft_record.h"
#include "shredder/drive/run_list.h"
#include "shredder/drive/tests/boot_images.h"
#include "shredder/drive/tests/drive_fakes.h"
#include "shredder/drive/volume_description.h"
#include "shredder/drive/volume_passes.h"

namespace drive_test {
namespace {

struct BootCase {
    const char* name;
    std::vector<uint8_t> bytes;
    BootSectorResult result;
    FileSystemKind kind;
    uint64_t startOffset;
    uint64_t rootOffset;
};

std::vector<uint8_t> Patched(std::vector<uint8_t> b, size_t at, uint8_t value) {
    b[at] = value;
    return b;
}

TEST(BootSector, ClassifiesByClusterCountAndRejectsWhatItCannotTrust) {
    FatLayout fat16;
    FatLayout fat12;
    fat12.totalSectors = 8000;
    fat12.sectorsPerFat = 6;
    FatLayout fat32;
    fat32.fat32 = true;
    fat32.sectorsPerCluster = 1;
    fat32.reserved = 32;
    fat32.totalSectors = 69632;
    fat32.sectorsPerFat = 536;
    FatLayout fat32Rooted = fat32;
    fat32Rooted.rootCluster = 5;
    FatLayout shortFat = fat16;
    shortFat.sectorsPerFat = 8;  // too small for its clusters
    std::vector<uint8_t> good16 = FatBootSector(fat16);

    const BootCase cases[] = {
        {"FAT16", good16, BootSectorResult::Ok, FileSystemKind::Fat16, (4 + 2 * 64) * 512,
         (4 + 2 * 64) * 512},
        {"FAT32", FatBootSector(fat32), BootSectorResult::Ok, FileSystemKind::Fat32,
         (32 + 2 * 536) * 512, (32 + 2 * 536) * 512},
        {"FAT32 root in cluster 5", FatBootSector(fat32Rooted), BootSectorResult::Ok,
         FileSystemKind::Fat32, (32 + 2 * 536) * 512, (32 + 2 * 536 + 3) * 512},
        {"NTFS", NtfsBootSector(49151, 4, -10), BootSectorResult::Ok, FileSystemKind::Ntfs,
         16 * 512, 0},
        {"FAT12", FatBootSector(fat12), BootSectorResult::Fat12, FileSystemKind::Fat16, 0, 0},
        {"FAT too small", FatBootSector(shortFat), BootSectorResult::Unrecognised,
         FileSystemKind::Fat16, 0, 0},
        {"garbage", std::vector<uint8_t>(512, 0xFF), BootSectorResult::Unrecognised,
         FileSystemKind::Fat16, 0, 0},
        {"zeros", std::vector<uint8_t>(512, 0), BootSectorResult::Unrecognised,
         FileSystemKind::Fat16, 0, 0},
        {"truncated", std::vector<uint8_t>(good16.begin(), good16.begin() + 300),
         BootSectorResult::Unrecognised, FileSystemKind::Fat16, 0, 0},
        {"no signature", Patched(good16, 511, 0), BootSectorResult::Unrecognised,
         FileSystemKind::Fat16, 0, 0},
        {"odd sector size", Patched(good16, 11, 0x10), BootSectorResult::Unrecognised,
         FileSystemKind::Fat16, 0, 0},
        {"NTFS MFT past the end", NtfsBootSector(49151, 7000, -10),
         BootSectorResult::Unrecognised, FileSystemKind::Ntfs, 0, 0},
        {"NTFS odd record size", NtfsBootSector(49151, 4, -3), BootSectorResult::Unrecognised,
         FileSystemKind::Ntfs, 0, 0},
    };
    for (const BootCase& c : cases) {
        SCOPED_TRACE(c.name);
        VolumeDescription d;
        d.bytesPerSector = 7;  // must stay untouched on failure
        BootSectorResult r = ParseBootSector(c.bytes.data(), c.bytes.size(), &d);
        ASSERT_EQ(c.result, r);
        if (r != BootSectorResult::Ok) {
            EXPECT_EQ(r == BootSectorResult::Fat12 ? 512u : 7u, d.bytesPerSector);
            continue;
        }
        EXPECT_EQ(c.kind, d.kind);
        EXPECT_EQ(c.startOffset, d.StartOffset());
        EXPECT_EQ(c.rootOffset, d.RootOffset());
    }
}

struct RunCase {
    const char* name;
    std::vector<uint8_t> list;
    bool decodes;
    uint64_t streamLimit;
    std::vector<ByteRange> kept;  // in clusters
};

TEST(RunList, SignExtendsSkipsSparseRunsAndStaysInsideTheVolume) {
    const uint64_t volumeClusters = 0x200;
    const uint64_t all = ~uint64_t(0);
    const RunCase cases[] = {
        {"negative offset", {0x21, 0x10, 0x00, 0x01, 0x11, 0x08, 0x80, 0x00}, true, all,
         {{0x80, 0x08}, {0x100, 0x10}}},
        {"two-byte negative offset", {0x21, 0x04, 0x00, 0x01, 0x21, 0x04, 0x00, 0xFF, 0x00},
         true, all, {{0x000, 0x04}, {0x100, 0x04}}},
        {"sparse run keeps nothing", {0x21, 0x10, 0x00, 0x01, 0x01, 0x20, 0x11, 0x04, 0x10, 0x00},
         true, all, {{0x100, 0x14}}},
        {"whole-volume sparse run", {0x03, 0x00, 0x00, 0x01, 0x00}, true, all, {}},
        {"run past the volume", {0x21, 0x40, 0xF0, 0x01, 0x00}, true, all, {{0x1F0, 0x10}}},
        {"run beyond the volume", {0x21, 0x10, 0x00, 0x03, 0x00}, true, all, {}},
        {"only the stream's first bytes", {0x11, 0x02, 0x0A, 0x11, 0x05, 0x28, 0x00}, true, 3,
         {{0x0A, 0x02}, {0x32, 0x01}}},
        {"before cluster 0", {0x11, 0x04, 0x80, 0x00}, false, all, {}},
        {"most negative offset", {0x11, 0x01, 0x05, 0x81, 0x01, 0, 0, 0, 0, 0, 0, 0, 0x80, 0x00},
         false, all, {{0x05, 0x01}}},
        {"cut short", {0x21, 0x10}, false, all, {}},
        {"no end marker", {0x11, 0x04, 0x10}, false, all, {{0x10, 0x04}}},
        {"zero length", {0x11, 0x00, 0x10, 0x00}, false, all, {}},
        {"nine-byte field", {0x19, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0x10, 0x00}, false, all, {}},
    };
    for (const RunCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<DataRun> runs;
        EXPECT_EQ(c.decodes, DecodeRunList(c.list.data(), c.list.size(), &runs));
        KeptRanges kept;
        KeepRuns(runs, 1, volumeClusters, c.streamLimit, &kept);
        ASSERT_EQ(c.kept.size(), kept.ranges().size());
        for (size_t i = 0; i < c.kept.size(); ++i) {
            EXPECT_EQ(c.kept[i].start, kept.ranges()[i].start);
            EXPECT_EQ(c.kept[i].length, kept.ranges()[i].length);
        }
    }
}

TEST(RunList, StreamOffsetsNeverWrapPastTheEndOfTheAddressSpace) {
    // One cluster at cluster 2^52: with 4 KiB clusters its byte offset is
    // 2^64, which no volume has.
    const std::vector<uint8_t> far = {0x71, 0x01, 0, 0, 0, 0, 0, 0, 0x10, 0x00};
    std::vector<DataRun> runs;
    ASSERT_TRUE(DecodeRunList(far.data(), far.size(), &runs));
    uint64_t at = 12345;
    EXPECT_FALSE(StreamToVolume(runs, 4096, 0, &at));
    EXPECT_FALSE(StreamToVolume(runs, 4096, 4095, &at));
    EXPECT_TRUE(StreamToVolume(runs, 512, 7, &at));  // 2^61 + 7 is an offset
    EXPECT_EQ((uint64_t(1) << 61) + 7, at);
}

// A 1024-byte file record whose $FILE_NAME value spans the end of the first
// 512-byte stride, so that its name reads right only after the fixups.
std::vector<uint8_t> RecordNamed(const std::string& name) {
    std::vector<uint8_t> r(1024, 0);
    std::memcpy(r.data(), "FILE", 4);
    shredder::PutLe16(&r[4], 48);  // update sequence array
    shredder::PutLe16(&r[6], 3);
    shredder::PutLe16(&r[20], 400);  // first attribute
    shredder::PutLe16(&r[22], 1);    // in use
    shredder::PutLe32(&r[24], 1024);
    uint8_t* a = &r[400];
    shredder::PutLe32(a, kAttrFileName);
    shredder::PutLe32(a + 4, 144);
    shredder::PutLe32(a + 16, uint32_t(66 + 2 * name.size()));
    shredder::PutLe16(a + 20, 24);
    a[24 + 64] = uint8_t(name.size());
    for (size_t i = 0; i < name.size(); ++i) shredder::PutLe16(a + 24 + 66 + 2 * i, uint8_t(name[i]));
    shredder::PutLe32(&r[544], 0xFFFFFFFF);
    // Move the stride ends into the array and stamp the sequence number.
    shredder::PutLe16(&r[48], 0x0007);
    std::memcpy(&r[50], &r[510], 2);
    std::memcpy(&r[52], &r[1022], 2);
    shredder::PutLe16(&r[510], 0x0007);
    shredder::PutLe16(&r[1022], 0x0007);
    return r;
}

TEST(FileRecord, NamesReadOnlyAfterTheFixupsAndTornRecordsAreRefused) {
    std::vector<uint8_t> good = RecordNamed("System Volume Information");
    std::vector<uint8_t> torn = good;
    shredder::PutLe16(&torn[1022], 0x0008);
    std::vector<uint8_t> badCount = good;
    shredder::PutLe16(&badCount[6], 2);
    std::vector<uint8_t> notFile = good;
    notFile[0] = 'B';

    std::vector<uint8_t> raw = good;
    EXPECT_NE(std::vector<std::string>{"System Volume Information"},
              RecordFileNames(raw.data(), raw.size()));
    ASSERT_TRUE(ApplyFixups(good.data(), good.size()));
    EXPECT_EQ(std::vector<std::string>{"System Volume Information"},
              RecordFileNames(good.data(), good.size()));
    EXPECT_FALSE(ApplyFixups(torn.data(), torn.size()));
    EXPECT_FALSE(ApplyFixups(badCount.data(), badCount.size()));
    EXPECT_FALSE(ApplyFixups(notFile.data(), notFile.size()));

    // An attribute claiming more bytes than the record holds ends the list.
    std::vector<uint8_t> overlong = RecordNamed("$Quota");
    ASSERT_TRUE(ApplyFixups(overlong.data(), overlong.size()));
    shredder::PutLe32(&overlong[400 + 4], 4000);
    EXPECT_TRUE(ListAttributes(overlong.data(), overlong.size()).empty());
}

TEST(KeptRanges, BlocksStraddlingKeptRangesNeverWriteAKeptByte) {
    std::vector<uint8_t> bytes(0x40000, 0x33);
    MemoryVolume volume(&bytes);
    KeptRanges kept;
    kept.Add(0x12000, 0x800);
    kept.Add(0x3100, 0x100);  // inside one sector: the whole sector is kept
    kept.Add(0x12800, 0x200);  // touches the first: joined
    kept.Add(0x3FE00, 0x400);  // runs past the end
    kept.AlignTo(512);
    ASSERT_EQ(3u, kept.ranges().size());

    PassPlan plan;
    plan.start = 0x1000;
    plan.end = 0x40000;
    plan.kept = &kept;
    BytePasses passes({0xEE, -1});
    RecordingObserver observer;
    std::vector<uint8_t> buffer(kPassBufferSize);
    ASSERT_EQ(PassOutcome::Done,
              RunVolumePasses(volume, plan, passes, observer, buffer.data()).outcome);

    for (const ByteRange& w : volume.writes)
        for (const ByteRange& k : kept.ranges())
            EXPECT_TRUE(w.end() <= k.start || w.start >= k.end())
                << std::hex << "write " << w.start << "+" << w.length << " hits " << k.start;
    // Written: the complement of 0xEE; kept: untouched.
    for (size_t i = 0; i < bytes.size(); ++i) {
        bool keep = i < plan.start || kept.Contains(i);
        ASSERT_EQ(keep ? 0x33 : 0x11, bytes[i]) << std::hex << "at " << i;
    }
    EXPECT_EQ(0xE00u, kept.CoveredBytes(plan.start, plan.end));
}

}  // namespace
}  // namespace drive_test
