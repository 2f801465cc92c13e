#include "shellmenu/shell_ext.h"

#include <shellapi.h>

#include "common/files/dropped_paths.h"
#include "common/suite/scourwell.h"
#include "platform/guard/guard.h"
#include "shellmenu/menu_settings.h"

namespace shellmenu {

// {46EB9D90-DA84-42F6-8129-DB13236DB8F8}
const CLSID CLSID_ShellExt = {0x46EB9D90, 0xDA84, 0x42F6, {0x81, 0x29, 0xDB, 0x13, 0x23, 0x6D, 0xB8, 0xF8}};

std::string ShredderProgram(const std::string& appPath) {
    return appPath + "\\" + suite::scourwell::kProgramFile;
}

namespace {

// The command starts nothing: the user is told why, unless the caller
// asked for no boxes.
HRESULT Refuse(const CMINVOKECOMMANDINFO& info, const std::string& text, UINT icon) {
    if (!(info.fMask & CMIC_MASK_FLAG_NO_UI))
        MessageBoxA(info.hwnd, text.c_str(), MenuItemText().c_str(), MB_OK | icon);
    return E_FAIL;
}

}  // namespace

CShellExt::~CShellExt() {
    if (data_) data_->Release();
}

STDMETHODIMP CShellExt::Initialize(PCIDLIST_ABSOLUTE, IDataObject* data, HKEY) {
    return guard::Call("IShellExtInit::Initialize", E_UNEXPECTED, [&]() -> HRESULT {
        if (data_) data_->Release();
        data_ = nullptr;
        paths_.clear();
        unnamed_.clear();
        if (!data) return E_FAIL;
        data_ = data;
        data_->AddRef();
        return ReadDroppedFiles();
    });
}

HRESULT CShellExt::ReadDroppedFiles() {
    paths_.clear();
    unnamed_.clear();
    FORMATETC format = {CF_HDROP, nullptr, DVASPECT_CONTENT, -1, TYMED_HGLOBAL};
    STGMEDIUM medium = {};
    if (FAILED(data_->GetData(&format, &medium))) return E_FAIL;
    HDROP drop = static_cast<HDROP>(GlobalLock(medium.hGlobal));
    HRESULT result = E_FAIL;
    if (drop) {
        files::NamedPaths named = files::ReadDroppedPaths(drop);
        paths_ = std::move(named.paths);
        unnamed_ = std::move(named.unnamed);
        GlobalUnlock(medium.hGlobal);
        result = S_OK;
    }
    ReleaseStgMedium(&medium);
    return result;
}

UINT CShellExt::AddMenuItem(HMENU menu, UINT index, UINT firstId) {
    const std::string text = MenuItemText();
    return InsertMenuA(menu, index, MF_STRING | MF_BYPOSITION, firstId, text.c_str()) ? 1 : 0;
}

STDMETHODIMP CShellExt::QueryContextMenu(HMENU menu, UINT index, UINT firstId, UINT, UINT flags) {
    return guard::Call("IContextMenu::QueryContextMenu", E_UNEXPECTED, [&]() -> HRESULT {
        if (!menu || (flags & CMF_DEFAULTONLY)) return MAKE_HRESULT(SEVERITY_SUCCESS, 0, 0);
        return MAKE_HRESULT(SEVERITY_SUCCESS, 0, AddMenuItem(menu, index, firstId));
    });
}

STDMETHODIMP CShellExt::InvokeCommand(CMINVOKECOMMANDINFO* info) {
    return guard::Call("IContextMenu::InvokeCommand", E_UNEXPECTED, [&]() -> HRESULT {
        if (!info) return E_INVALIDARG;
        if (HIWORD(reinterpret_cast<UINT_PTR>(info->lpVerb)) != 0) return S_OK;
        if (LOWORD(reinterpret_cast<UINT_PTR>(info->lpVerb)) != 0) return E_INVALIDARG;
        const std::string& appPath = Settings().appPath;
        // A path no ANSI spelling reaches would reach the shredder as
        // another file's name: nothing is started, and the user is told.
        if (!unnamed_.empty())
            return Refuse(*info, UnnamedPathText(unnamed_.front()), MB_ICONWARNING);
        if (paths_.empty()) return E_FAIL;
        // Without the shredder's folder there is no program to name safely:
        // a bare name would run whatever the search path offers first.
        const std::string program = ShredderProgram(appPath);
        if (appPath.empty() || GetFileAttributesA(program.c_str()) == INVALID_FILE_ATTRIBUTES)
            return Refuse(*info, MissingProgramText(program), MB_ICONERROR);
        const std::string parameters = suite::scourwell::ContextMenuLine(paths_);
        ShellExecuteA(nullptr, "open", program.c_str(), parameters.c_str(),
                      appPath.c_str(), SW_SHOWNORMAL);
        return S_OK;
    });
}

STDMETHODIMP CShellExt::GetCommandString(UINT_PTR, UINT, UINT*, LPSTR, UINT) {
    return E_NOTIMPL;
}

}  // namespace shellmenu
