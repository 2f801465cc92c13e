#pragma once
// What the shredder learns about the machine at start-up: its fixed drives,
// the folders it never shreds, and whether the libraries it works with are
// in place. Each check answers; the caller decides what to show.
#include <string>
#include <vector>

namespace shredder {

// One drive letter's entry: the root ("X:\") of a fixed drive, empty for
// other letters, and whether it is NTFS.
struct DriveSlot {
    std::string root;
    bool ntfs = false;
};

// A fixed drive as the drive page lists it.
struct FixedDrive {
    char letter = 'C';
    std::string displayName;  // "<label> (X:)" or "Local Disk (X:)"
    std::string fileSystem;
    double totalGiB = 0;
    double freeGiB = 0;
};

struct DriveTable {
    DriveSlot slots[26];
    std::vector<FixedDrive> fixed;
    bool anyNtfs = false;
};

// The fixed drives of the logical-drive mask.
DriveTable EnumerateDrives();
// "%s (%c:)" with the label, or "Local Disk (%c:)".
std::string DriveDisplayName(const std::string& label, char letter);

// A root's total bytes, bytes free to this user and free on the disk,
// through whichever query the system offers.
bool DriveSizes(const std::string& root, unsigned long long& total, unsigned long long& userFree,
                unsigned long long& diskFree);

// Windows folder, system folder, Fonts, Start Menu, Programs, Desktop
// directory, and the system folder's "IOSUBSYS" and "VMM32", in that order.
std::vector<std::string> BuildProtectedFolderList();

// The Schedule class key opens (read access) and the scheduler library lies
// in `systemFolder`.
bool CheckSchedulerLibrary(const std::string& systemFolder);
// The context-menu class key opens and its library lies in `appPath`.
bool CheckContextMenuLibrary(const std::string& appPath);
// SHELL32 4.71 or later with both Recycle Bin functions.
bool CheckRecycleBinSupport();

// The Recycle Bin's shell verb: its menu text and the quoted program with
// "recycle". Nothing is written while `appPath` is empty (there would be
// no program to name). False when a key could not be written.
bool RegisterRecycleBinVerb(const std::string& appPath, const std::string& menuText);

}  // namespace shredder
