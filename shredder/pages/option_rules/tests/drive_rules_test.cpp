// The drive page's list texts and choices, and the drive options dialog.
#include <gtest/gtest.h>

#include "shredder/pages/option_rules/drive_page_model.h"

namespace shredder {
namespace {

FixedDrive Drive(char letter, const std::string& name, const std::string& fileSystem) {
    FixedDrive drive;
    drive.letter = letter;
    drive.displayName = name;
    drive.fileSystem = fileSystem;
    return drive;
}

class SevenPixels : public TextWidths {
public:
    int Width(const std::string& text) const override { return 7 * static_cast<int>(text.size()); }
};

TEST(Drive, ListTextsRootsAndWidths) {
    FixedDrive data = Drive('D', "Local Disk (D:)", "FAT32");
    data.freeGiB = 10737418240.0 / (1ULL << 30);
    data.totalGiB = 0.005;
    EXPECT_EQ("10.00 GB", DriveCellText(data, 2));
    EXPECT_EQ("0.01 GB", DriveCellText(data, 3));
    EXPECT_EQ("D:", DriveRoot(data));
    // A label's own parentheses do not move the root.
    EXPECT_EQ("E:", DriveRoot(Drive('E', "Backup (old) (E:)", "NTFS")));

    const std::vector<FixedDrive> drives = {data, Drive('E', "Backup (old) (E:)", "NTFS")};
    const std::vector<int> widths =
        DriveColumnWidths(drives, {"Label", "File System", "Free Space", "Total Space"}, SevenPixels());
    EXPECT_EQ((std::vector<int>{7 * 17 + 15, 7 * 11 + 15, 7 * 10 + 15, 7 * 11 + 15}), widths);
}

TEST(Drive, WholeDriveChoicesFollowTheSelectedFileSystem) {
    const std::vector<FixedDrive> drives = {Drive('C', "System (C:)", "NTFS"),
                                            Drive('D', "Data (D:)", "FAT32")};
    DrivePageModel page(drives, false);
    EXPECT_FALSE(page.ShredNow().selected);
    EXPECT_EQ("", page.ScheduleRoot());

    page.Select(1);
    page.ChooseWholeDrive();
    EXPECT_TRUE(page.View().formatGroupVisible);
    EXPECT_TRUE(page.View().leaveEnabled);
    EXPECT_FALSE(page.View().scheduleEnabled);
    page.ChooseLeave();
    EXPECT_FALSE(page.ShredNow().formatAfter);

    // NTFS greys "leave", ticks "format" and the wipe formats.
    page.Select(0);
    EXPECT_FALSE(page.View().leaveEnabled);
    EXPECT_TRUE(page.View().formatChecked);
    DriveRun run = page.ShredNow();
    EXPECT_TRUE(run.selected && run.wholeDrive && run.formatAfter);
    EXPECT_EQ("C:", run.root);
    EXPECT_EQ("NTFS", run.fileSystem);
    EXPECT_EQ("System (C:)", run.displayName);

    page.Select(1);
    EXPECT_TRUE(page.View().leaveEnabled);

    page.ChooseFreeSpace();
    EXPECT_TRUE(page.View().scheduleEnabled);
    EXPECT_FALSE(page.View().formatGroupVisible);
    run = page.ShredNow();
    EXPECT_FALSE(run.wholeDrive || run.formatAfter);
    EXPECT_EQ("D:\\", run.root);
    EXPECT_EQ("D:\\", page.ScheduleRoot());

    DrivePageModel noScheduler(drives, true);
    EXPECT_FALSE(noScheduler.View().scheduleEnabled);
    noScheduler.ChooseWholeDrive();
    noScheduler.ChooseFreeSpace();
    EXPECT_FALSE(noScheduler.View().scheduleEnabled);
}

TEST(Drive, OptionsDialogNeverLeavesAnNtfsDriveUnformatted) {
    DriveOptionsModel ntfs("NTFS");
    EXPECT_TRUE(ntfs.FreeSpace());
    EXPECT_FALSE(ntfs.View().formatGroupEnabled);
    ntfs.ChooseWholeDrive();
    EXPECT_FALSE(ntfs.FreeSpace());
    EXPECT_TRUE(ntfs.FormatAfter());
    EXPECT_TRUE(ntfs.View().formatGroupEnabled);
    EXPECT_FALSE(ntfs.View().leaveEnabled);

    DriveOptionsModel fat("FAT32");
    fat.ChooseWholeDrive();
    EXPECT_TRUE(fat.View().leaveEnabled);
    fat.ChooseLeave();
    EXPECT_FALSE(fat.FormatAfter());
    fat.ChooseFreeSpace();
    EXPECT_TRUE(fat.FreeSpace());
    EXPECT_FALSE(fat.View().formatGroupEnabled || fat.View().leaveEnabled);
}

}  // namespace
}  // namespace shredder
