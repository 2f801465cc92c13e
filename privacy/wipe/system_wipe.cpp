#include "privacy/wipe/system_wipe.h"

#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include "privacy/cache/url_cache.h"
#include "privacy/core/folder_routines.h"

namespace privacy {
namespace {

// The shell's folder, else `name` in the profile folder, else "".
std::string TraceFolder(int csidl, const char* name) {
    const std::string named = SpecialFolder(csidl);
    if (!named.empty()) return named;
    const std::string profile = ProfileFolder();
    return profile.empty() ? std::string() : profile + "\\" + name;
}

}  // namespace

TraceFolders SystemTraceFolders() {
    TraceFolders folders;
    folders.cookies = TraceFolder(CSIDL_COOKIES, "Cookies");
    folders.recent = TraceFolder(CSIDL_RECENT, "Recent");
    folders.history = TraceFolder(CSIDL_HISTORY, "Local Settings\\History");
    const std::string appData = AppDataFolder();
    if (!appData.empty()) folders.officeRecent = appData + "\\Microsoft\\Office\\Recent";
    return folders;
}

void SystemFolderEraser::EraseContents(const std::string& folder) { DeleteFolderFiles(folder, "*.*"); }

void SystemCacheEraser::DeleteCookies() { DeleteCachedCookies(); }
void SystemCacheEraser::DeleteTempFiles() { DeleteTempInternetFiles(); }
void SystemCacheEraser::DeleteHistory() { DeleteCachedHistory(); }

bool SystemRecycleBin::Empty() {
    using EmptyBin = HRESULT(WINAPI*)(HWND, LPCSTR, DWORD);
    HMODULE shell = GetModuleHandleA("shell32.dll");
    auto empty = shell != nullptr
                     ? reinterpret_cast<EmptyBin>(
                           reinterpret_cast<void*>(GetProcAddress(shell, "SHEmptyRecycleBinA")))
                     : nullptr;
    if (empty == nullptr) return false;
    empty(nullptr, nullptr, SHERB_NOCONFIRMATION | SHERB_NOPROGRESSUI | SHERB_NOSOUND);
    return true;
}

}  // namespace privacy
