#include "shredder/core/protected_folders.h"

#include <windows.h>

#include "common/files/file_handle.h"
#include "common/os/os_version.h"
#include "shredder/core/paths.h"

namespace shredder {

namespace {

// What lies at `path`, opened as itself (a folder too); false where the
// system cannot tell (Windows 95, 98, Me) or nothing is there.
bool SystemIdentity(const std::string& path, FileIdentity& identity) {
    if (!IsWindowsNT()) return false;
    // No access beyond the attributes, shared with everyone: the folder is
    // only looked at. Backup semantics open a folder as itself.
    const files::FileHandle handle(CreateFileA(path.c_str(), 0,
                                               FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                               nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info;
    if (!handle.IsOpen() || !GetFileInformationByHandle(handle.get(), &info)) return false;
    identity.volume = info.dwVolumeSerialNumber;
    identity.index = (static_cast<uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    return true;
}

}  // namespace

void ProtectedFolders::Set(std::vector<std::string> folders) {
    folders_ = std::move(folders);
    identities_.assign(folders_.size(), Identified());
    for (size_t i = 0; i < folders_.size(); ++i)
        identities_[i].known =
            !folders_[i].empty() && SystemIdentity(folders_[i], identities_[i].identity);
}

bool ProtectedFolders::Holds(const std::string& path) const {
    if (IsProtectedFolder(path, folders_)) return true;
    FileIdentity identity;
    if (!SystemIdentity(path, identity)) return false;
    for (const Identified& folder : identities_) {
        if (folder.known && folder.identity == identity) return true;
    }
    return false;
}

}  // namespace shredder
