#pragma once
// The real system behind the whole-drive wipe: the NT volume device or the
// 9x VWIN32 device, the volume's file-system name, the Windows folder's
// drive and the shell's Format dialog, owned by the program's main window.
#include <windows.h>

#include "shredder/drive/drive_environment.h"

namespace shredder {

// The window that owns the Format dialog and presses its buttons for an
// NTFS drive, from just before the dialog opens until the call returns.
class FormatDialogOwner {
public:
    virtual ~FormatDialogOwner() = default;
    virtual HWND Window() const = 0;
    virtual void BeginFormatAutomation(char letter) = 0;
    virtual void EndFormatAutomation() = 0;
};

class SystemDriveEnvironment : public DriveEnvironment {
public:
    // `owner` may be null: the Format dialog then has no owner and nobody
    // presses its buttons.
    explicit SystemDriveEnvironment(FormatDialogOwner* owner = nullptr) : owner_(owner) {}
    void SetFormatOwner(FormatDialogOwner* owner) { owner_ = owner; }

    bool IsNtFamily() override;
    char WindowsDriveLetter() override;
    bool FileSystemName(char letter, std::string* name) override;
    std::unique_ptr<RawVolume> OpenVolume(char letter, FileSystemKind kind, bool write) override;
    bool FormatDrive(char letter, bool ntfs) override;

private:
    FormatDialogOwner* owner_ = nullptr;
};

}  // namespace shredder
