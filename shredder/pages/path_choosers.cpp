#include "shredder/pages/path_choosers.h"

#include <commdlg.h>
#include <shlobj.h>

#include "common/files/ansi_names.h"

namespace shredder {

namespace {

// Room for a few thousand names; the dialog refuses a larger choice.
constexpr DWORD kChosenFilesBuffer = 256 * 1024;

// The item list of a path, through the desktop folder; nullptr when the
// path does not parse.
LPITEMIDLIST ParsePath(const std::string& path) {
    IShellFolder* desktop = nullptr;
    if (FAILED(SHGetDesktopFolder(&desktop))) return nullptr;
    std::wstring wide = files::WideOf(path);
    LPITEMIDLIST list = nullptr;
    if (FAILED(desktop->ParseDisplayName(nullptr, nullptr, &wide[0], nullptr, &list, nullptr)))
        list = nullptr;
    desktop->Release();
    return list;
}

std::string PathOf(LPCITEMIDLIST list) {
    char path[MAX_PATH] = {};
    return list && SHGetPathFromIDListA(list, path) ? std::string(path) : std::string();
}

// A wide call of a library this file already imports (so it is loaded),
// on the NT family only.
template <class Fn>
Fn WideCall(const char* module, const char* name) {
    if (!files::UnicodeNames()) return nullptr;
    return reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(module), name)));
}

using PathOfWideFn = BOOL(WINAPI*)(LPCITEMIDLIST, LPWSTR);
using OpenWideFn = BOOL(WINAPI*)(LPOPENFILENAMEW);

// The chosen folder under the spelling that names it; on the NT family
// read wide, `unnamed` (as shown) when no ANSI spelling reaches it.
std::string NamedPathOf(LPCITEMIDLIST list, std::string* unnamed) {
    static const PathOfWideFn wide = WideCall<PathOfWideFn>("shell32.dll", "SHGetPathFromIDListW");
    if (!wide) return PathOf(list);
    wchar_t path[MAX_PATH] = {};
    if (!list || !wide(list, path)) return std::string();
    const files::NamedPaths named = files::NamePaths({path});
    if (!named.unnamed.empty() && unnamed) *unnamed = named.unnamed.front();
    return named.paths.empty() ? std::string() : named.paths.front();
}

// The paths of a multi-select dialog's buffer (see SplitChosenFiles).
template <class Char, class String = std::basic_string<Char>>
std::vector<String> SplitChosen(const Char* buffer) {
    std::vector<String> parts;
    for (const Char* part = buffer; *part; part += String(part).size() + 1) parts.push_back(part);
    if (parts.size() <= 1) return parts;
    const String folder = parts[0].back() == '\\' ? parts[0] : parts[0] + Char('\\');
    std::vector<String> files;
    for (size_t i = 1; i < parts.size(); ++i) files.push_back(folder + parts[i]);
    return files;
}

int CALLBACK BrowseCallback(HWND window, UINT msg, LPARAM param, LPARAM data) {
    const char* selection = reinterpret_cast<const char*>(data);
    if (msg == BFFM_INITIALIZED && selection && *selection)
        SendMessageA(window, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(selection));
    if (msg == BFFM_SELCHANGED) {
        const std::string path = PathOf(reinterpret_cast<LPCITEMIDLIST>(param));
        SendMessageA(window, BFFM_SETSTATUSTEXTA, 0, reinterpret_cast<LPARAM>(path.c_str()));
    }
    return 0;
}

}  // namespace

std::vector<std::string> SplitChosenFiles(const char* buffer) { return SplitChosen(buffer); }

files::NamedPaths ChooseFiles(HWND owner) {
    static const OpenWideFn openWide = WideCall<OpenWideFn>("comdlg32.dll", "GetOpenFileNameW");
    const DWORD flags = OFN_ALLOWMULTISELECT | OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    if (openWide) {
        std::vector<wchar_t> buffer(kChosenFilesBuffer, L'\0');
        OPENFILENAMEW dialog = {};
        dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
        dialog.hwndOwner = owner;
        dialog.lpstrFilter = L"All Files (*.*)\0*.*\0";
        dialog.lpstrFile = buffer.data();
        dialog.nMaxFile = kChosenFilesBuffer;
        dialog.Flags = flags;
        if (!openWide(&dialog)) return {};
        return files::NamePaths(SplitChosen(buffer.data()));
    }
    std::vector<char> buffer(kChosenFilesBuffer, '\0');
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = "All Files (*.*)\0*.*\0";
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = kChosenFilesBuffer;
    dialog.Flags = flags;
    if (!GetOpenFileNameA(&dialog)) return {};
    files::NamedPaths named;
    named.paths = SplitChosenFiles(buffer.data());
    return named;
}

bool BrowseForFolder(std::string& result, const std::string& title, HWND owner,
                     const std::string& initialFolder, const std::string& selection,
                     std::string* unnamed) {
    result.clear();
    char display[MAX_PATH] = {};
    BROWSEINFOA info = {};
    info.hwndOwner = owner;
    info.pidlRoot = initialFolder.empty() ? nullptr : ParsePath(initialFolder);
    info.pszDisplayName = display;
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_STATUSTEXT;
    info.lpfn = BrowseCallback;
    info.lParam = reinterpret_cast<LPARAM>(selection.c_str());
    LPITEMIDLIST chosen = SHBrowseForFolderA(&info);
    if (info.pidlRoot) CoTaskMemFree(const_cast<LPITEMIDLIST>(info.pidlRoot));
    if (!chosen) return false;
    result = NamedPathOf(chosen, unnamed);
    CoTaskMemFree(chosen);
    return !result.empty();
}

}  // namespace shredder
