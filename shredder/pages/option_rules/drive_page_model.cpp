#include "shredder/pages/option_rules/drive_page_model.h"

#include <cstdio>

namespace shredder {

std::string GiBText(double gib) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f GB", gib);
    return text;
}

std::string DriveCellText(const FixedDrive& drive, int column) {
    switch (column) {
    case 0: return drive.displayName;
    case 1: return drive.fileSystem;
    case 2: return GiBText(drive.freeGiB);
    case 3: return GiBText(drive.totalGiB);
    default: return std::string();
    }
}

std::string DriveRoot(const FixedDrive& drive) { return std::string(1, drive.letter) + ":"; }

std::vector<int> DriveColumnWidths(const std::vector<FixedDrive>& drives,
                                   const std::vector<std::string>& headers,
                                   const TextWidths& widths) {
    std::vector<int> result;
    for (int column = 0; column < kDriveColumns; ++column) {
        std::vector<std::string> texts;
        if (column < static_cast<int>(headers.size())) texts.push_back(headers[column]);
        for (const FixedDrive& drive : drives) texts.push_back(DriveCellText(drive, column));
        result.push_back(FittedColumnWidth(texts, widths));
    }
    return result;
}

DrivePageModel::DrivePageModel(const std::vector<FixedDrive>& drives, bool schedulerUnavailable)
    : drives_(drives), schedulerUnavailable_(schedulerUnavailable) {
    view_.scheduleEnabled = !schedulerUnavailable_;
}

bool DrivePageModel::SelectedIsNtfs() const {
    return selected_ >= 0 && drives_[selected_].fileSystem == "NTFS";
}

// Leaving an NTFS drive unformatted after its metadata was overwritten
// would leave a volume the system cannot mount: it is always formatted.
void DrivePageModel::ForceFormatOnNtfs() {
    view_.leaveEnabled = !SelectedIsNtfs();
    if (SelectedIsNtfs()) view_.formatChecked = true;
}

void DrivePageModel::ChooseFreeSpace() {
    wholeDrive_ = false;
    view_.scheduleEnabled = !schedulerUnavailable_;
    view_.formatGroupVisible = false;
}

void DrivePageModel::ChooseWholeDrive() {
    wholeDrive_ = true;
    view_.scheduleEnabled = false;
    view_.formatGroupVisible = true;
    view_.formatChecked = true;
    ForceFormatOnNtfs();
}

void DrivePageModel::Select(int row) {
    selected_ = row >= 0 && row < static_cast<int>(drives_.size()) ? row : -1;
    if (!SelectedIsNtfs())
        view_.leaveEnabled = true;
    else if (view_.formatGroupVisible)
        ForceFormatOnNtfs();
}

DriveRun DrivePageModel::ShredNow() const {
    DriveRun run;
    if (selected_ < 0) return run;
    const FixedDrive& drive = drives_[selected_];
    run.selected = true;
    run.wholeDrive = wholeDrive_;
    run.formatAfter = wholeDrive_ && view_.formatChecked;
    run.root = DriveRoot(drive) + (wholeDrive_ ? "" : "\\");
    run.displayName = drive.displayName;
    run.fileSystem = drive.fileSystem;
    return run;
}

std::string DrivePageModel::ScheduleRoot() const {
    return selected_ < 0 ? std::string() : DriveRoot(drives_[selected_]) + "\\";
}

void DriveOptionsModel::ChooseFreeSpace() {
    freeSpace_ = true;
    view_ = DriveOptionsView();
}

void DriveOptionsModel::ChooseWholeDrive() {
    freeSpace_ = false;
    view_.formatChecked = true;
    view_.formatGroupEnabled = true;
    view_.leaveEnabled = !ntfs_;
}

}  // namespace shredder
