#include "privacy/core/folder_routines.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

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
    std::string from = folder + "\\" + pattern;
    from.append(2, '\0');
    SHFILEOPSTRUCTA operation = {};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_NOCONFIRMATION | FOF_SILENT;
    SHFileOperationA(&operation);
}

}  // namespace privacy
