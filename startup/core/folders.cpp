#include "startup/core/folders.h"

#include <windows.h>
#include <shlobj.h>

#include "startup/core/startup_entry.h"

namespace startup {
namespace {

typedef HRESULT(WINAPI* FolderPathFn)(HWND, int, HANDLE, DWORD, LPSTR);

// SHGetFolderPathA lives in shell32 from Windows 2000 and Me on, and in
// shfolder.dll where that has been installed.
FolderPathFn FindFolderPathCall() {
    for (const char* library : {"shell32.dll", "shfolder.dll"}) {
        HMODULE module = GetModuleHandleA(library);
        if (!module) module = LoadLibraryA(library);
        if (!module) continue;
        if (FARPROC call = GetProcAddress(module, "SHGetFolderPathA"))
            return reinterpret_cast<FolderPathFn>(reinterpret_cast<void*>(call));
    }
    return nullptr;
}

// Windows 95 without the shell update: the folder's item list.
std::string PathFromItemList(int csidl) {
    LPITEMIDLIST list = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &list)) || !list) return std::string();
    char path[MAX_PATH] = {};
    const bool found = SHGetPathFromIDListA(list, path) != FALSE;
    CoTaskMemFree(list);
    return found ? path : std::string();
}

}  // namespace

std::string GetSpecialFolderPath(int csidl) {
    static const FolderPathFn folderPath = FindFolderPathCall();
    if (folderPath) {
        char path[MAX_PATH] = {};
        if (SUCCEEDED(folderPath(nullptr, csidl | CSIDL_FLAG_CREATE, nullptr, 0, path)))
            return path;
    }
    return PathFromItemList(csidl);
}

std::string GetWindowsFolder() {
    char path[MAX_PATH] = {};
    UINT length = GetWindowsDirectoryA(path, MAX_PATH);
    return length && length < MAX_PATH ? std::string(path, length) : std::string();
}

const std::string& Places::StartupFolder(int place) const {
    return place == kCommonStartup ? commonStartup : userStartup;
}

std::string Places::KeptSubfolder(int place) const {
    return KeptFolder() + (place == kCommonStartup ? "\\All Users" : "\\Current User");
}

Places SystemPlaces() {
    Places places;
    places.windowsFolder = GetWindowsFolder();
    places.userStartup = GetSpecialFolderPath(kCsidlStartup);
    places.commonStartup = GetSpecialFolderPath(kCsidlCommonStartup);
    return places;
}

}  // namespace startup
