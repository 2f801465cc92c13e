#pragma once
// Registration of a server's classes and type library under
// HKEY_CLASSES_ROOT, for DllRegisterServer and DllUnregisterServer.
#include <windows.h>
#include <oaidl.h>

#include <string>

namespace com {

struct ServerClass {
    const CLSID* clsid;
    std::string description;
    // Empty when the class has no ProgID.
    std::string progId;
    // Empty when there is none; otherwise it names progId as its CurVer.
    std::string versionIndependentProgId;
    std::string threadingModel;  // "Apartment", "Both", ...
    // Set when the class is described by the module's type library.
    const GUID* typeLib = nullptr;
    std::string typeLibVersion;  // "1.0"
    // Marks the class Programmable without naming its type library (a class
    // whose library is registered on its own).
    bool programmable = false;
};

// Writes CLSID\{clsid} with InprocServer32 (this module's path), the
// threading model, ProgID, VersionIndependentProgID, Programmable, TypeLib
// and Version, and the ProgID keys with CLSID (and CurVer). Returns
// SELFREG_E_CLASS when a key or value cannot be written.
HRESULT RegisterServerClass(const ServerClass& cls);
// Removes the keys that RegisterServerClass writes; missing keys count as
// removed. SELFREG_E_CLASS when a present key cannot be removed.
HRESULT UnregisterServerClass(const ServerClass& cls);

// Registers / unregisters the type library embedded in this module.
// Unregistering takes oleaut32's UnRegisterTypeLib by name and, where
// oleaut32 lacks it (95 and NT 4 as shipped), removes the keys itself; a
// library that is not registered counts as removed.
HRESULT RegisterModuleTypeLib();
HRESULT UnregisterModuleTypeLib();

// What unregistering does without UnRegisterTypeLib: removes the library
// version's key under TypeLib (and the library's key once no version is
// left) and the Interface keys that name this library as theirs. Missing
// keys count as removed; SELFREG_E_TYPELIB when a present one stays.
HRESULT RemoveTypeLibKeys(ITypeLib& library);

}  // namespace com
