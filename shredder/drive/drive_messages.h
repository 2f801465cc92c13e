#pragma once
// The messages of the whole-drive wipe: language-file key, English text and
// how the message is shown. `%s` stands for the drive ("C:") unless noted.
namespace shredder {

enum class MessageStyle {
    Error,         // error icon, OK
    Information,   // information icon, OK
    StopYesNo,     // stop icon, Yes and No, No the default
};

struct DriveMessage {
    int key;
    const char* english;
    MessageStyle style;
    // A box even in silent runs, where others are logged: only the question
    // that no run may answer for the user.
    bool shownWhenSilent;
};

namespace msg {
constexpr DriveMessage kConfirmWipe{
    9083, "WARNING: Shredding will erase ALL data on this drive.\nAre you sure you want to continue?",
    MessageStyle::StopYesNo, true};
constexpr DriveMessage kUnsupportedFileSystem{
    9081,
    "Velmora Scourwell doesn't support this drive's file system.\nVelmora Scourwell supports "
    "only FAT16, FAT32 and NTFS drives.",
    MessageStyle::Error, false};
constexpr DriveMessage kDetectFailed{9082, "Failed to detect the drive's file system.",
                                     MessageStyle::Error, false};
constexpr DriveMessage kNoExclusiveAccess{
    9037,
    "Could not obtain exclusive access to\n%s\n\nFiles that are in use by other programs\nor "
    "Windows itself cannot be shredded.",
    MessageStyle::Error, false};
constexpr DriveMessage kClearFatFailed{9076, "Failed to clear the FAT table.", MessageStyle::Error,
                                       false};
constexpr DriveMessage kClearRootFailed{9077, "Failed to clear the root directory.",
                                        MessageStyle::Error, false};
constexpr DriveMessage kWriteFailed{9078, "Failed to write on drive.", MessageStyle::Error, false};
constexpr DriveMessage kWindowsDrive{
    9181, "Drive %s holds Windows and cannot be shredded.", MessageStyle::Error, false};
constexpr DriveMessage kLockFailed{
    9182,
    "Drive %s could not be locked for shredding.\nClose every program and window that uses the "
    "drive, then try again.\nNothing on the drive has been changed.",
    MessageStyle::Error, false};
constexpr DriveMessage kMustFormat{
    9183, "Drive %s no longer holds a valid file system.\nFormat the drive before you use it again.",
    MessageStyle::Information, false};
}  // namespace msg

// Progress texts.
constexpr int kKeyShreddingDrive = 9920;  // "Shredding drive"
constexpr const char* kEnglishShreddingDrive = "Shredding drive";

}  // namespace shredder
