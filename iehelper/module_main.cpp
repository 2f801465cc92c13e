// Entry points of Vintabar.dll: the process check and browser count when a
// process loads or unloads it, the COM server of the helper object, and the
// exports for the product's uninstall step.
#include <windows.h>

#include <string>

#include "iehelper/blocker_link.h"
#include "iehelper/cookie_hlpr_obj.h"
#include "iehelper/helper_load.h"
#include "iehelper/helper_registration.h"
#include "iehelper/host_process.h"
#include "iehelper/ie_restore.h"
#include "platform/com/class_factory.h"
#include "platform/com/module.h"
#include "platform/guard/guard.h"

// One copy for every process that has the library loaded.
volatile LONG g_ieInstanceCount __attribute__((section(".shared"), shared)) = 0;

namespace {

const com::ClassEntry kClasses[] = {
    {&CLSID_CookieHlprObj, &com::CreateInstance<iehelper::CCookieHlprObj>},
};

std::string ModuleFolder() {
    const std::string path = com::module::Path();
    return path.substr(0, path.find_last_of('\\'));
}

iehelper::HelperLoad& ThisProcess() {
    static iehelper::SystemBlockerLink link(ModuleFolder());
    static iehelper::HelperLoad load(g_ieInstanceCount, link);
    return load;
}

int RestoreIEOnce() {
    return iehelper::RestoreIESettings(ModuleFolder() + "\\" + iehelper::kBrowserIni);
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    return guard::Call("Vintabar DllMain", FALSE, [&]() -> BOOL {
        if (reason == DLL_PROCESS_ATTACH) {
            com::module::SetInstance(instance);
            // Thread calls stay on: the DLL's entry frees the runtime's
            // per-thread data of each thread that ends.
            if (!ThisProcess().Attach(iehelper::ClassifyHost(iehelper::CurrentProcessPath())))
                return FALSE;
        } else if (reason == DLL_PROCESS_DETACH) {
            ThisProcess().Detach();
        }
        return TRUE;
    });
}

STDAPI DllCanUnloadNow() { return com::module::CanUnloadNow(); }

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
    return guard::Call("Vintabar DllGetClassObject", E_UNEXPECTED,
                       [&] { return com::GetClassObject(kClasses, clsid, iid, out); });
}

STDAPI DllRegisterServer() {
    return guard::Call("Vintabar DllRegisterServer", E_UNEXPECTED,
                       [] { return iehelper::RegisterHelper(); });
}

// Puts Internet Explorer's saved settings back and takes the installer's
// Run value out before unregistering; always S_OK.
STDAPI DllUnregisterServer() {
    guard::Run("Vintabar DllUnregisterServer", [] {
        RestoreIEOnce();
        iehelper::RemoveInstallerRunValue();
        iehelper::UnregisterHelper();
    });
    return S_OK;
}

extern "C" int WINAPI RestoreIE() {
    return guard::Call("Vintabar RestoreIE", 0, [] { return RestoreIEOnce(); });
}

// The uninstall host's first call: the unregistration already restores the
// settings and takes the Run value out.
extern "C" int WINAPI UninstInitialize(void*, void*, void*) {
    DllUnregisterServer();
    return 0;
}

extern "C" int WINAPI UninstUnInitialize() { return 0; }
