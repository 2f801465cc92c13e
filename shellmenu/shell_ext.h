#pragma once
// The context-menu handler Explorer creates for every file and folder menu:
// one item that starts the shredder with the selected paths. Every method
// runs behind the exception firewall; none throws into Explorer.
#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "platform/com/class_factory.h"
#include "platform/com/object.h"
#include "platform/guard/guard.h"

namespace shellmenu {

extern const CLSID CLSID_ShellExt;

class CShellExt : public com::Object<IContextMenu, IShellExtInit> {
public:
    CShellExt() = default;
    ~CShellExt() override;

    // IShellExtInit: keeps the data object and reads its selection anew.
    STDMETHODIMP Initialize(PCIDLIST_ABSOLUTE folder, IDataObject* data, HKEY key) override;
    // IContextMenu
    STDMETHODIMP QueryContextMenu(HMENU menu, UINT index, UINT firstId, UINT lastId,
                                  UINT flags) override;
    STDMETHODIMP InvokeCommand(CMINVOKECOMMANDINFO* info) override;
    STDMETHODIMP GetCommandString(UINT_PTR command, UINT type, UINT* reserved, LPSTR name,
                                  UINT size) override;

    const std::vector<std::string>& Paths() const { return paths_; }

private:
    HRESULT ReadDroppedFiles();
    UINT AddMenuItem(HMENU menu, UINT index, UINT firstId);

    IDataObject* data_ = nullptr;
    std::vector<std::string> paths_;
    // Selected paths that have no ANSI spelling, as shown.
    std::vector<std::string> unnamed_;
};

// Its factory: creates handlers, no aggregation.
class CShellExtClassFactory : public com::ClassFactory {
public:
    CShellExtClassFactory() : ClassFactory(&com::CreateInstance<CShellExt>) {}
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
        return guard::Call("IClassFactory::CreateInstance", E_UNEXPECTED,
                           [&] { return ClassFactory::CreateInstance(outer, iid, out); });
    }
};

// The program the command starts and the text it is given.
std::string ShredderProgram(const std::string& appPath);

}  // namespace shellmenu
