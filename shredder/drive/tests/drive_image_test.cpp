// Whole-drive wipes of real FAT16, FAT32 and NTFS images made by
// mkfs.fat, mtools and ntfs-3g, reached as \\.\X: through a drive letter of
// this test's own in the scratch prefix, and the same FAT wipes through the
// 9x register calls. Run by drive_images_test.sh, which makes the images,
// maps the letters and checks the results with fsck.fat afterwards.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <sstream>

#include "common/files/whole_file.h"
#include "shredder/drive/drive_shredder.h"
#include "shredder/drive/le_bytes.h"
#include "shredder/drive/nt_volume.h"
#include "shredder/drive/system_drive_environment.h"
#include "shredder/drive/tests/drive_fakes.h"
#include "shredder/drive/tests/vwin32_stand_in.h"

namespace drive_test {
namespace {

const char kMarker[] = "SHREDDRIVE-MARKER";  // what the planted files hold
constexpr uint8_t kLastPassByte = 0x5A;      // 0xA5, then its complement

struct ImageDrive {
    char letter = 0;
    std::string image;     // the mapped image, Windows path
    std::string pristine;  // its copy from before any wipe
    std::string fileSystem;
};

std::vector<uint8_t> ReadImage(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(files::ReadWholeFile(path, bytes)) << path;
    return std::vector<uint8_t>(bytes.begin(), bytes.end());
}

bool HoldsMarker(const std::vector<uint8_t>& image) {
    const char* begin = reinterpret_cast<const char*>(image.data());
    return std::search(begin, begin + image.size(), kMarker, kMarker + sizeof kMarker - 1) !=
           begin + image.size();
}

// True when `letter`'s raw volume is this test's image file and nothing
// else: same file index and size through both names.
bool IsOwnImage(HANDLE volume, const std::string& image) {
    HANDLE file = CreateFileA(image.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    BY_HANDLE_FILE_INFORMATION a, b;
    bool same = GetFileInformationByHandle(volume, &a) && GetFileInformationByHandle(file, &b) &&
                a.nFileIndexHigh == b.nFileIndexHigh && a.nFileIndexLow == b.nFileIndexLow &&
                a.nFileSizeHigh == b.nFileSizeHigh && a.nFileSizeLow == b.nFileSizeLow &&
                (a.nFileSizeLow | a.nFileSizeHigh) != 0;
    CloseHandle(file);
    return same;
}

// The real system, except that the file-system name comes from the image's
// maker (Wine cannot name it), the Format dialog is not opened, and no
// volume is handed out that is not the test's own image.
class ImageEnvironment : public SystemDriveEnvironment {
public:
    explicit ImageEnvironment(const ImageDrive& drive) : SystemDriveEnvironment(nullptr), drive_(drive) {}

    char windowsDrive = 0;
    int opens = 0;
    int formats = 0;
    bool foreignVolume = false;

    char WindowsDriveLetter() override { return windowsDrive; }
    bool FileSystemName(char, std::string* name) override {
        *name = drive_.fileSystem;
        return true;
    }
    std::unique_ptr<RawVolume> OpenVolume(char letter, FileSystemKind kind, bool write) override {
        ++opens;
        std::unique_ptr<RawVolume> volume = SystemDriveEnvironment::OpenVolume(letter, kind, write);
        NtVolume* nt = dynamic_cast<NtVolume*>(volume.get());
        if (letter != drive_.letter || !nt || !IsOwnImage(nt->handle(), drive_.image)) {
            foreignVolume = true;
            return nullptr;
        }
        return volume;
    }
    bool FormatDrive(char, bool) override {
        ++formats;
        return false;
    }

private:
    ImageDrive drive_;
};

// Serves the pristine image from memory through the 9x calls.
class StandInEnvironment : public FakeEnvironment {
public:
    StandInLog log;
    std::unique_ptr<RawVolume> OpenVolume(char letter, FileSystemKind kind, bool) override {
        ++opens;
        auto device = std::unique_ptr<Vwin32StandIn>(new Vwin32StandIn(image, letter, kind, &log));
        Vwin32StandIn* standIn = device.get();
        auto volume = std::unique_ptr<Vwin32Volume>(new Vwin32Volume(std::move(device), letter, kind));
        standIn->Expose(volume->TransferArea(), volume->TransferAreaBytes());
        return volume;
    }
};

class DriveImages : public ::testing::Test {
protected:
    void SetUp() override {
        const char* folder = std::getenv("SHREDDRIVE_IMAGES");
        if (!folder || !*folder) GTEST_SKIP() << "the images come with drive_images_test.sh";
        folder_ = folder;
        std::ifstream manifest(folder_ + "\\drives.txt");
        std::string line;
        while (std::getline(manifest, line)) {
            std::istringstream fields(line);
            std::string letter, name, fileSystem;
            if (!(fields >> letter >> name >> fileSystem)) continue;
            ImageDrive d;
            d.letter = letter[0];
            d.image = folder_ + "\\" + name + ".img";
            d.pristine = folder_ + "\\" + name + ".orig";
            d.fileSystem = fileSystem;
            drives_[name] = d;
        }
        ASSERT_EQ(4u, drives_.size()) << "drives.txt in " << folder_;
    }

    const ImageDrive& Drive(const std::string& name) { return drives_[name]; }

    // Before anything may be written: the letter must lead to the image.
    void ExpectOwnImage(const ImageDrive& d) {
        uint32_t error = 0;
        std::unique_ptr<NtVolume> volume = NtVolume::Open(d.letter, false, &error);
        ASSERT_TRUE(volume) << d.letter << ": error " << error;
        ASSERT_TRUE(IsOwnImage(volume->handle(), d.image))
            << "drive " << d.letter << ": is not " << d.image << "; stopping";
    }

    DriveWipeResult Shred(DriveEnvironment& env, const ImageDrive& d, RecordingObserver* observer,
                          bool format = false) {
        BytePasses passes({0xA5, -1});
        DriveShredder shredder(env, passes, *observer);
        DriveWipeRequest request;
        request.drive = std::string(1, d.letter) + ":";
        request.displayName = "WIPETEST (" + request.drive + ")";
        request.format = format;
        return shredder.ShredDrive(request);
    }

    std::string folder_;
    std::map<std::string, ImageDrive> drives_;
};

size_t LabelIndex(const std::vector<uint8_t>& image, const VolumeDescription& d) {
    for (size_t i = 0; i < d.RootBytes() / 32; ++i) {
        const uint8_t* e = &image[d.RootOffset() + 32 * i];
        if (e[0] == 0) break;
        if (e[0] != 0xE5 && e[11] == 0x08) return i;
    }
    return SIZE_MAX;
}

// An empty FAT: boot sector as it was, the tables empty, the label alone in
// the root, free space unknown, and every other byte the last pass's.
void ExpectEmptyFat(const std::vector<uint8_t>& before, const std::vector<uint8_t>& after) {
    ASSERT_EQ(before.size(), after.size());
    VolumeDescription d;
    ASSERT_EQ(BootSectorResult::Ok, ParseBootSector(before.data(), before.size(), &d));
    EXPECT_EQ(0, std::memcmp(before.data(), after.data(), 512)) << "boot sector";
    if (d.backupBootSector) {
        EXPECT_EQ(0, std::memcmp(&before[d.backupBootSector * 512],
                                 &after[d.backupBootSector * 512], 512));
    }
    EXPECT_TRUE(HoldsMarker(before));
    EXPECT_FALSE(HoldsMarker(after));

    bool fat32 = d.kind == FileSystemKind::Fat32;
    for (uint32_t copy = 0; copy < d.fatCopies; ++copy) {
        const uint8_t* fat = &after[d.FatOffset() + copy * d.FatBytes()];
        const uint8_t* old = &before[d.FatOffset() + copy * d.FatBytes()];
        EXPECT_EQ(0, std::memcmp(fat, old, fat32 ? 8 : 4)) << "reserved entries";
        for (uint64_t at = fat32 ? 8 : 4; at < d.FatBytes(); ++at) {
            bool rootEntry = fat32 && at / 4 == d.rootCluster;
            if (!rootEntry) {
                ASSERT_EQ(0, fat[at]) << "FAT " << copy << " byte " << at;
            }
        }
        if (fat32) {
            EXPECT_EQ(0x0FFFFFFFu, shredder::Le32(fat + 4 * d.rootCluster) & 0x0FFFFFFF);
        }
    }
    if (fat32) {
        const uint8_t* info = &after[d.fsInfoSector * 512];
        EXPECT_EQ(0xFFFFFFFFu, shredder::Le32(info + 488)) << "free count";
        EXPECT_EQ(0xFFFFFFFFu, shredder::Le32(info + 492)) << "next free";
    }

    size_t label = LabelIndex(before, d);
    ASSERT_NE(SIZE_MAX, label);
    EXPECT_NE(0u, label) << "the image should keep its label after other entries";
    EXPECT_EQ(0, std::memcmp(&after[d.RootOffset()], &before[d.RootOffset() + 32 * label], 32));
    for (uint64_t at = d.RootOffset() + 32; at < d.RootOffset() + d.RootBytes(); ++at)
        ASSERT_EQ(0, after[at]) << "root byte " << at - d.RootOffset();

    for (uint64_t at = d.StartOffset(); at < d.VolumeBytes(); ++at) {
        if (at >= d.RootOffset() && at < d.RootOffset() + d.RootBytes()) continue;
        ASSERT_EQ(kLastPassByte, after[at]) << "data byte " << at;
    }
}

TEST_F(DriveImages, Fat16AndFat32WipeToAnEmptyVolumeWithItsLabel) {
    for (const char* name : {"fat16", "fat32"}) {
        SCOPED_TRACE(name);
        const ImageDrive& d = Drive(name);
        ExpectOwnImage(d);
        ImageEnvironment env(d);
        RecordingObserver observer;
        DriveWipeResult result = Shred(env, d, &observer);
        ASSERT_FALSE(env.foreignVolume);
        EXPECT_EQ(DriveWipeOutcome::Wiped, result.outcome);
        EXPECT_EQ(std::vector<int>{9083}, observer.reported);
        EXPECT_EQ(0, env.formats);
        ExpectEmptyFat(ReadImage(d.pristine), ReadImage(d.image));
    }
}

TEST_F(DriveImages, NtfsKeepsItsMetafilesAndMustBeFormatted) {
    const ImageDrive& d = Drive("ntfs");
    ExpectOwnImage(d);
    ImageEnvironment env(d);
    RecordingObserver observer;
    DriveWipeResult result = Shred(env, d, &observer);
    ASSERT_FALSE(env.foreignVolume);
    EXPECT_EQ(DriveWipeOutcome::Wiped, result.outcome);
    EXPECT_TRUE(result.formatRequired);
    EXPECT_EQ(1, env.formats);
    EXPECT_TRUE(observer.Reported(9183));

    std::vector<uint8_t> before = ReadImage(d.pristine), after = ReadImage(d.image);
    VolumeDescription v;
    ASSERT_EQ(BootSectorResult::Ok, ParseBootSector(before.data(), before.size(), &v));
    EXPECT_EQ(0, std::memcmp(before.data(), after.data(), 16 * 512)) << "boot area";
    EXPECT_TRUE(HoldsMarker(before));
    EXPECT_FALSE(HoldsMarker(after));
    // The system records up to $Reparse (26) stay; the planted files' do not.
    const uint8_t* oldMft = &before[v.MftOffset()];
    const uint8_t* newMft = &after[v.MftOffset()];
    EXPECT_EQ(0, std::memcmp(oldMft, newMft, 27 * v.mftRecordSize)) << "system records";
    const char16_t planted[] = u"marker-big.bin";
    int plantedRecords = 0;
    for (uint32_t r = 27; r < 256; ++r) {
        const uint8_t* rec = oldMft + size_t(r) * v.mftRecordSize;
        const uint8_t* end = rec + v.mftRecordSize;
        const uint8_t* name = reinterpret_cast<const uint8_t*>(planted);
        if (std::search(rec, end, name, name + sizeof planted - 2) == end) continue;
        ++plantedRecords;
        EXPECT_NE(0, std::memcmp(rec, newMft + size_t(r) * v.mftRecordSize, v.mftRecordSize));
    }
    EXPECT_EQ(1, plantedRecords);
}

TEST_F(DriveImages, RefusedDrivesAreNotTouched) {
    const ImageDrive& fat12 = Drive("fat12");
    ExpectOwnImage(fat12);
    ImageEnvironment small(fat12);
    RecordingObserver smallObserver;
    EXPECT_EQ(DriveWipeOutcome::Failed, Shred(small, fat12, &smallObserver, true).outcome);
    EXPECT_EQ((std::vector<int>{9083, 9081}), smallObserver.reported);
    EXPECT_TRUE(ReadImage(fat12.image) == ReadImage(fat12.pristine));

    // In the scratch prefix Windows lives on C:; here the image stands in
    // for that drive.
    EXPECT_EQ('C', SystemDriveEnvironment(nullptr).WindowsDriveLetter());
    ImageEnvironment windows(fat12);
    windows.windowsDrive = fat12.letter;
    RecordingObserver observer;
    EXPECT_EQ(DriveWipeOutcome::Refused, Shred(windows, fat12, &observer).outcome);
    EXPECT_EQ((std::vector<int>{9083, 9181}), observer.reported);
    EXPECT_EQ(0, windows.opens);
}

TEST_F(DriveImages, The9xCallsWipeFatTheSameWay) {
    for (const char* name : {"fat16", "fat32"}) {
        SCOPED_TRACE(name);
        const ImageDrive& d = Drive(name);
        std::vector<uint8_t> before = ReadImage(d.pristine), image = before;
        StandInEnvironment env;
        env.fileSystemName = d.fileSystem;
        env.image = &image;
        RecordingObserver observer;
        DriveWipeResult result = Shred(env, d, &observer);
        EXPECT_EQ(DriveWipeOutcome::Wiped, result.outcome);
        EXPECT_EQ(0, env.log.rejected);
        EXPECT_GT(env.log.writes, 0);
        EXPECT_EQ(env.log.locks, env.log.unlocks);
        ExpectEmptyFat(before, image);
    }
}

}  // namespace
}  // namespace drive_test
