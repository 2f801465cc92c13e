#include "platform/com/registration.h"

#include <olectl.h>
#include <oleauto.h>
#include <shlwapi.h>

#include "platform/registry/reg_key.h"
#include "platform/com/com_ptr.h"
#include "platform/com/module.h"
#include "platform/com/text.h"

namespace com {
namespace {

// Writes the default value of HKCR\path and, when given, one named value.
bool WriteKey(const std::string& path, const std::string& value,
              const std::string& name = std::string(), const std::string& named = std::string()) {
    CRegKey key;
    if (!key.Create(HKEY_CLASSES_ROOT, path.c_str(), KEY_WRITE)) return false;
    if (!key.WriteString(nullptr, value)) return false;
    return name.empty() || key.WriteString(name.c_str(), named);
}

bool WriteProgId(const std::string& progId, const ServerClass& cls, const std::string& curVer) {
    if (!WriteKey(progId, cls.description)) return false;
    if (!WriteKey(progId + "\\CLSID", GuidText(*cls.clsid))) return false;
    return curVer.empty() || WriteKey(progId + "\\CurVer", curVer);
}

bool RemoveKey(const std::string& path) {
    DWORD result = SHDeleteKeyA(HKEY_CLASSES_ROOT, path.c_str());
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

// The library's identity as its own attributes give it.
HRESULT ModuleTypeLib(ComPtr<ITypeLib>& library, TLIBATTR& attributes) {
    HRESULT hr = LoadTypeLibEx(Widen(module::Path()).c_str(), REGKIND_NONE, library.put());
    if (FAILED(hr)) return hr;
    TLIBATTR* attr = nullptr;
    hr = library->GetLibAttr(&attr);
    if (FAILED(hr)) return hr;
    attributes = *attr;
    library->ReleaseTLibAttr(attr);
    return S_OK;
}

// The key RegisterTypeLib gives one version of the library ("1.0": the
// version numbers in hexadecimal).
std::string VersionKey(const TLIBATTR& attr) {
    char version[16];
    wsprintfA(version, "%x.%x", attr.wMajorVerNum, attr.wMinorVerNum);
    return "TypeLib\\" + GuidText(attr.guid) + "\\" + version;
}

// Whether HKCR\path has no subkey left (or is gone).
bool HasNoSubkey(const std::string& path) {
    CRegKey key;
    return !key.Open(HKEY_CLASSES_ROOT, path.c_str(), KEY_READ) || key.SubKeyCount() == 0;
}

// UnRegisterTypeLib came with a later oleaut32 than Windows 95 and NT 4
// shipped: taken by name, so the module loads with theirs. Null where
// oleaut32 lacks it.
using UnRegisterTypeLibCall = HRESULT(STDAPICALLTYPE*)(REFGUID, WORD, WORD, LCID, SYSKIND);
UnRegisterTypeLibCall SystemUnRegisterTypeLib() {
    HMODULE oleaut = GetModuleHandleA("oleaut32.dll");
    return oleaut ? reinterpret_cast<UnRegisterTypeLibCall>(
                        reinterpret_cast<void*>(GetProcAddress(oleaut, "UnRegisterTypeLib")))
                  : nullptr;
}

}  // namespace

HRESULT RemoveTypeLibKeys(ITypeLib& library) {
    TLIBATTR* attr = nullptr;
    if (FAILED(library.GetLibAttr(&attr))) return SELFREG_E_TYPELIB;
    const TLIBATTR attributes = *attr;
    library.ReleaseTLibAttr(attr);
    const std::string libId = GuidText(attributes.guid);
    bool ok = true;
    for (UINT i = 0, count = library.GetTypeInfoCount(); i < count; ++i) {
        ComPtr<ITypeInfo> info;
        TYPEATTR* type = nullptr;
        if (FAILED(library.GetTypeInfo(i, info.put())) || FAILED(info->GetTypeAttr(&type))) continue;
        const bool isInterface = type->typekind == TKIND_INTERFACE || type->typekind == TKIND_DISPATCH;
        const std::string key = "Interface\\" + GuidText(type->guid);
        info->ReleaseTypeAttr(type);
        // Only the interface keys that name this library as theirs.
        std::string owner;
        {
            CRegKey typeLib;
            if (isInterface && typeLib.Open(HKEY_CLASSES_ROOT, (key + "\\TypeLib").c_str(), KEY_READ))
                typeLib.ReadString(nullptr, owner);
        }
        if (!owner.empty() && lstrcmpiA(owner.c_str(), libId.c_str()) == 0) ok = RemoveKey(key) && ok;
    }
    ok = RemoveKey(VersionKey(attributes)) && ok;
    const std::string libraryKey = "TypeLib\\" + libId;
    if (HasNoSubkey(libraryKey)) ok = RemoveKey(libraryKey) && ok;
    return ok ? S_OK : SELFREG_E_TYPELIB;
}

HRESULT RegisterServerClass(const ServerClass& cls) {
    const std::string key = "CLSID\\" + GuidText(*cls.clsid);
    bool ok = WriteKey(key, cls.description) &&
              WriteKey(key + "\\InprocServer32", module::Path(), "ThreadingModel",
                       cls.threadingModel);
    if (ok && !cls.progId.empty()) ok = WriteKey(key + "\\ProgID", cls.progId);
    if (ok && !cls.versionIndependentProgId.empty())
        ok = WriteKey(key + "\\VersionIndependentProgID", cls.versionIndependentProgId);
    if (ok && (cls.typeLib || cls.programmable)) ok = WriteKey(key + "\\Programmable", "");
    if (ok && cls.typeLib) {
        ok = WriteKey(key + "\\TypeLib", GuidText(*cls.typeLib)) &&
             WriteKey(key + "\\Version", cls.typeLibVersion);
    }
    if (ok && !cls.progId.empty()) ok = WriteProgId(cls.progId, cls, std::string());
    if (ok && !cls.versionIndependentProgId.empty())
        ok = WriteProgId(cls.versionIndependentProgId, cls, cls.progId);
    return ok ? S_OK : SELFREG_E_CLASS;
}

HRESULT UnregisterServerClass(const ServerClass& cls) {
    bool ok = RemoveKey("CLSID\\" + GuidText(*cls.clsid));
    if (!cls.progId.empty()) ok = RemoveKey(cls.progId) && ok;
    if (!cls.versionIndependentProgId.empty())
        ok = RemoveKey(cls.versionIndependentProgId) && ok;
    return ok ? S_OK : SELFREG_E_CLASS;
}

HRESULT RegisterModuleTypeLib() {
    ComPtr<ITypeLib> library;
    HRESULT hr = LoadTypeLibEx(Widen(module::Path()).c_str(), REGKIND_REGISTER, library.put());
    return FAILED(hr) ? SELFREG_E_TYPELIB : S_OK;
}

HRESULT UnregisterModuleTypeLib() {
    ComPtr<ITypeLib> library;
    TLIBATTR attr;
    HRESULT hr = ModuleTypeLib(library, attr);
    if (FAILED(hr)) return SELFREG_E_TYPELIB;
    UnRegisterTypeLibCall unregister = SystemUnRegisterTypeLib();
    if (!unregister) return RemoveTypeLibKeys(*library.get());
    hr = unregister(attr.guid, attr.wMajorVerNum, attr.wMinorVerNum, attr.lcid, attr.syskind);
    if (SUCCEEDED(hr)) return S_OK;
    // A library that is not registered (systems answer that differently)
    // counts as removed, as missing keys do: whatever of it is left goes.
    CRegKey version;
    if (version.Open(HKEY_CLASSES_ROOT, VersionKey(attr).c_str(), KEY_READ)) return SELFREG_E_TYPELIB;
    return RemoveTypeLibKeys(*library.get());
}

}  // namespace com
