#include "privacy/core/folder_routines.h"

#include <windows.h>
#include <shlobj.h>

#include "common/files/folder_list.h"
#include "privacy/core/text_routines.h"

namespace privacy {

std::string SpecialFolder(int csidl) {
    LPITEMIDLIST list = nullptr;
    if (SHGetSpecialFolderLocation(nullptr, csidl, &list) != S_OK || list == nullptr) return "";
    char path[MAX_PATH] = "";
    const bool ok = SHGetPathFromIDListA(list, path) != FALSE;
    IMalloc* allocator = nullptr;
    if (SHGetMalloc(&allocator) == S_OK && allocator != nullptr) {
        allocator->Free(list);
        allocator->Release();
    }
    return ok ? std::string(path) : std::string();
}

std::string ProfileFolder() {
    return ParentFolder(SpecialFolder(CSIDL_DESKTOPDIRECTORY));
}

std::string AppDataFolder() {
    std::string folder = SpecialFolder(CSIDL_APPDATA);
    if (!folder.empty()) return folder;
    const std::string profile = ProfileFolder();
    return profile.empty() ? std::string() : profile + "\\Application Data";
}

void DeleteFolderFiles(const std::string& folder, const std::string& pattern) {
    for (const files::FolderEntry& entry : files::ListMatches(folder + "\\" + pattern)) {
        const std::string path = folder + "\\" + entry.name;
        // A link (a junction, a linked folder or file) goes as itself: what
        // it leads to lies outside the traces and is never entered.
        if (entry.isLink) {
            if (entry.isFolder)
                RemoveDirectoryA(path.c_str());
            else
                DeleteFileA(path.c_str());
            continue;
        }
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        if (entry.isFolder) {
            DeleteFolderFiles(path, "*");
            RemoveDirectoryA(path.c_str());
        } else {
            DeleteFileA(path.c_str());
        }
    }
}

}  // namespace privacy
