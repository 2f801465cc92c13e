#include "startup/core/shortcut.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <vector>

#include "platform/com/com_ptr.h"

namespace startup {
namespace {

std::wstring Wide(const std::string& text) {
    int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    std::vector<wchar_t> wide(length > 0 ? length : 1, L'\0');
    if (length > 0) MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), length);
    return wide.data();
}

bool OpenLink(com::ComPtr<IShellLinkA>& link, com::ComPtr<IPersistFile>& file) {
    return SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER,
                                      IID_IShellLinkA, link.putVoid())) &&
           SUCCEEDED(file.queryFrom(link.get(), IID_IPersistFile));
}

}  // namespace

bool MakeShortcut(const std::string& path, const std::string& target) {
    com::ComPtr<IShellLinkA> link;
    com::ComPtr<IPersistFile> file;
    if (!OpenLink(link, file)) return false;
    // A file there that does not read as a shortcut is not overwritten.
    if (GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES &&
        FAILED(file->Load(Wide(path).c_str(), STGM_READ)))
        return false;
    return SUCCEEDED(link->SetPath(target.c_str())) &&
           SUCCEEDED(file->Save(Wide(path).c_str(), TRUE));
}

std::string ReadShortcutTarget(const std::string& path) {
    com::ComPtr<IShellLinkA> link;
    com::ComPtr<IPersistFile> file;
    if (GetFileAttributesA(path.c_str()) == INVALID_FILE_ATTRIBUTES || !OpenLink(link, file) ||
        FAILED(file->Load(Wide(path).c_str(), STGM_READ))) {
        return std::string();
    }
    char target[MAX_PATH] = {};
    if (FAILED(link->GetPath(target, MAX_PATH, nullptr, 0))) return std::string();
    return target;
}

std::string ShortcutTaskName(const std::string& fileName) {
    std::string lower = fileName;
    CharLowerBuffA(&lower[0], static_cast<DWORD>(lower.size()));
    const size_t mark = lower.find(".lnk");
    return mark == std::string::npos || mark == 0 ? std::string()
                                                  : fileName.substr(0, fileName.size() - 4);
}

bool ValidShortcutName(const std::string& name) {
    return name.find_first_of("\\/:*?\"<>|") == std::string::npos &&
           name.find("..") == std::string::npos;
}

}  // namespace startup
