#pragma once
// The real system behind the whole-drive wipe: the NT volume device or the
// 9x VWIN32 device, the volume's file-system name, the Windows folder's
// drive and the shell's Format dialog, owned by the page that started the
// wipe.
#include <windows.h>

#include "shredder/drive/drive_environment.h"

namespace shredder {

// The owner page's timer that presses the NTFS Format dialog's buttons.
constexpr UINT_PTR kFormatStartTimer = 10;
constexpr UINT kFormatTimerMs = 200;

class SystemDriveEnvironment : public DriveEnvironment {
public:
    // `owner`: the window that owns the Format dialog and receives the
    // NTFS Format timer; may be null.
    explicit SystemDriveEnvironment(HWND owner) : owner_(owner) {}

    bool IsNtFamily() override;
    char WindowsDriveLetter() override;
    bool FileSystemName(char letter, std::string* name) override;
    std::unique_ptr<RawVolume> OpenVolume(char letter, FileSystemKind kind, bool write) override;
    bool FormatDrive(char letter, bool ntfs) override;

private:
    HWND owner_;
};

}  // namespace shredder
