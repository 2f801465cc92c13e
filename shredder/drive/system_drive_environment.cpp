// The system's side of the whole-drive wipe.
#include "shredder/drive/system_drive_environment.h"

#include "shredder/drive/nt_volume.h"
#include "shredder/drive/vwin32_device.h"

namespace shredder {
namespace {

// SHFormatDrive's answers that mean the drive was not formatted.
constexpr DWORD kFormatError = 0xFFFFFFFF;
constexpr DWORD kFormatCancelled = 0xFFFFFFFE;
constexpr DWORD kFormatImpossible = 0xFFFFFFFD;
constexpr UINT kDefaultFormatSize = 0xFFFF;

using FormatDriveProc = DWORD(WINAPI*)(HWND, UINT, UINT, UINT);

}  // namespace

bool SystemDriveEnvironment::IsNtFamily() { return (GetVersion() & 0x80000000) == 0; }

char SystemDriveEnvironment::WindowsDriveLetter() {
    char folder[MAX_PATH] = "";
    UINT length = GetWindowsDirectoryA(folder, MAX_PATH);
    if (length < 2 || length >= MAX_PATH || folder[1] != ':') return 0;
    char letter = folder[0];
    if (letter >= 'a' && letter <= 'z') letter = char(letter - 'a' + 'A');
    return (letter >= 'A' && letter <= 'Z') ? letter : 0;
}

bool SystemDriveEnvironment::FileSystemName(char letter, std::string* name) {
    char root[] = "X:\\";
    root[0] = letter;
    char fileSystem[MAX_PATH] = "";
    if (!GetVolumeInformationA(root, nullptr, 0, nullptr, nullptr, nullptr, fileSystem, MAX_PATH))
        return false;
    *name = fileSystem;
    return true;
}

std::unique_ptr<RawVolume> SystemDriveEnvironment::OpenVolume(char letter, FileSystemKind kind,
                                                               bool write) {
    if (IsNtFamily()) return NtVolume::Open(letter, write, nullptr);
    // The 9x calls reach FAT volumes only.
    if (kind == FileSystemKind::Ntfs) return nullptr;
    std::unique_ptr<Vwin32DeviceHandle> device = Vwin32DeviceHandle::Open(nullptr);
    if (!device) return nullptr;
    return std::unique_ptr<RawVolume>(new Vwin32Volume(std::move(device), letter, kind));
}

bool SystemDriveEnvironment::FormatDrive(char letter, bool ntfs) {
    HMODULE shell = LoadLibraryA("shell32.dll");
    if (!shell) return false;
    FormatDriveProc format =
        reinterpret_cast<FormatDriveProc>(
            reinterpret_cast<void*>(GetProcAddress(shell, "SHFormatDrive")));
    DWORD answer = kFormatError;
    if (format) {
        if (ntfs && owner_) owner_->BeginFormatAutomation(letter);
        answer = format(owner_ ? owner_->Window() : nullptr, UINT(letter - 'A'), kDefaultFormatSize, 0);
        if (owner_) owner_->EndFormatAutomation();
    }
    FreeLibrary(shell);
    return answer != kFormatError && answer != kFormatCancelled && answer != kFormatImpossible;
}

}  // namespace shredder
