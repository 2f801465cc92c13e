// Entry points of Pellidor.dll: one creatable class, the context-menu
// handler, and its registration.
#include <windows.h>

#include "platform/com/class_factory.h"
#include "platform/com/module.h"
#include "platform/guard/guard.h"
#include "shellmenu/registration.h"
#include "shellmenu/shell_ext.h"

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    // Thread calls stay on: the DLL's entry frees the runtime's per-thread
    // data of each thread that ends (platform/runtime/dll_start.cpp).
    if (reason == DLL_PROCESS_ATTACH) com::module::SetInstance(instance);
    return TRUE;
}

STDAPI DllCanUnloadNow() { return com::module::CanUnloadNow(); }

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
    return guard::Call("DllGetClassObject", E_UNEXPECTED, [&]() -> HRESULT {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (!IsEqualCLSID(clsid, shellmenu::CLSID_ShellExt)) return CLASS_E_CLASSNOTAVAILABLE;
        com::ComPtr<shellmenu::CShellExtClassFactory> factory =
            com::MakeObject<shellmenu::CShellExtClassFactory>();
        if (!factory) return E_OUTOFMEMORY;
        return factory->QueryInterface(iid, out);
    });
}

STDAPI DllRegisterServer() {
    return guard::Call("DllRegisterServer", E_UNEXPECTED, [] { return shellmenu::RegisterShellExt(); });
}

STDAPI DllUnregisterServer() {
    return guard::Call("DllUnregisterServer", E_UNEXPECTED,
                       [] { return shellmenu::UnregisterShellExt(); });
}
