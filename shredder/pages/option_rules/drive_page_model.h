#pragma once
// The Shred Drive page and its options dialog without windows: the drive
// list's texts and column widths, the free-space / whole-drive / format
// choices with their enabling rules, and what Shred Now and Schedule hand
// to the engine. A row's drive is its record's letter, never text cut out
// of the display name (a label may hold parentheses of its own).
#include <string>
#include <vector>

#include "shredder/core/system_places.h"
#include "shredder/pages/option_rules/column_fit.h"

namespace shredder {

constexpr int kDriveColumns = 4;

// "%.2f GB" of a size in GiB.
std::string GiBText(double gib);
// Column 0 display name, 1 file system, 2 free space, 3 total space.
std::string DriveCellText(const FixedDrive& drive, int column);
// "C:" of a drive record.
std::string DriveRoot(const FixedDrive& drive);

// Each column: its widest text (header included) plus 15 pixels.
std::vector<int> DriveColumnWidths(const std::vector<FixedDrive>& drives,
                                   const std::vector<std::string>& headers,
                                   const TextWidths& widths);

// What the choice controls show.
struct DriveChoiceView {
    bool formatGroupVisible = false;  // group 1036 with 1037 and 1038
    bool leaveEnabled = true;         // 1037
    bool formatChecked = false;       // 1038 ticked (format afterwards), else 1037
    bool scheduleEnabled = true;      // 1004
};

// What Shred Now or Schedule does with the selected row.
struct DriveRun {
    bool selected = false;  // false: tell the user to pick a drive first
    bool wholeDrive = false;
    bool formatAfter = false;
    std::string root;         // "C:" for a whole drive, "C:\" for free space
    std::string displayName;  // the drive's title for the wipe and Format
    std::string fileSystem;
};

class DrivePageModel {
public:
    DrivePageModel(const std::vector<FixedDrive>& drives, bool schedulerUnavailable);

    void ChooseFreeSpace();
    void ChooseWholeDrive();
    void ChooseFormat() { view_.formatChecked = true; }
    void ChooseLeave() { view_.formatChecked = false; }
    // A row became selected (-1: none).
    void Select(int row);

    const DriveChoiceView& View() const { return view_; }

    DriveRun ShredNow() const;
    // Free space only: the root "C:\" of the selected row, empty without one.
    std::string ScheduleRoot() const;

private:
    bool SelectedIsNtfs() const;
    void ForceFormatOnNtfs();

    const std::vector<FixedDrive>& drives_;
    bool schedulerUnavailable_;
    int selected_ = -1;
    bool wholeDrive_ = false;
    DriveChoiceView view_;
};

// The options dialog a command-line drive item asks: free space, or the
// whole drive left or formatted (NTFS drives are always formatted).
struct DriveOptionsView {
    bool formatGroupEnabled = false;  // 1036 and 1038
    bool leaveEnabled = false;        // 1037
    bool formatChecked = false;       // format afterwards, else leave
};

class DriveOptionsModel {
public:
    explicit DriveOptionsModel(const std::string& fileSystem) : ntfs_(fileSystem == "NTFS") {}

    void ChooseFreeSpace();
    void ChooseWholeDrive();
    void ChooseFormat() { view_.formatChecked = true; }
    void ChooseLeave() { view_.formatChecked = false; }

    bool FreeSpace() const { return freeSpace_; }
    bool FormatAfter() const { return !freeSpace_ && view_.formatChecked; }
    const DriveOptionsView& View() const { return view_; }

private:
    bool ntfs_;
    bool freeSpace_ = true;
    DriveOptionsView view_;
};

}  // namespace shredder
