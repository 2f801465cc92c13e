#include "shredder/pages/path_choosers.h"

#include <commdlg.h>
#include <shlobj.h>

#include "shredder/core/paths.h"

namespace shredder {

namespace {

// Room for a few thousand names; the dialog refuses a larger choice.
constexpr DWORD kChosenFilesBuffer = 256 * 1024;

std::wstring Wide(const std::string& text) {
    std::wstring wide(text.size() + 1, L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], static_cast<int>(wide.size()));
    return wide;
}

// The item list of a path, through the desktop folder; nullptr when the
// path does not parse.
LPITEMIDLIST ParsePath(const std::string& path) {
    IShellFolder* desktop = nullptr;
    if (FAILED(SHGetDesktopFolder(&desktop))) return nullptr;
    std::wstring wide = Wide(path);
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

std::vector<std::string> SplitChosenFiles(const char* buffer) {
    std::vector<std::string> parts;
    for (const char* part = buffer; *part; part += strlen(part) + 1) parts.push_back(part);
    if (parts.size() <= 1) return parts;
    std::vector<std::string> files;
    for (size_t i = 1; i < parts.size(); ++i) files.push_back(JoinPath(parts[0], parts[i]));
    return files;
}

std::vector<std::string> ChooseFiles(HWND owner) {
    std::vector<char> buffer(kChosenFilesBuffer, '\0');
    OPENFILENAMEA dialog = {};
    dialog.lStructSize = OPENFILENAME_SIZE_VERSION_400A;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = "All Files (*.*)\0*.*\0";
    dialog.lpstrFile = buffer.data();
    dialog.nMaxFile = kChosenFilesBuffer;
    dialog.Flags = OFN_ALLOWMULTISELECT | OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetOpenFileNameA(&dialog)) return {};
    return SplitChosenFiles(buffer.data());
}

bool BrowseForFolder(std::string& result, const std::string& title, HWND owner,
                     const std::string& initialFolder, const std::string& selection) {
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
    result = PathOf(chosen);
    CoTaskMemFree(chosen);
    return true;
}

}  // namespace shredder
