#include "iehelper/helper_registration.h"

#include <olectl.h>
#include <shlwapi.h>

#include <string>

#include "platform/com/registration.h"
#include "platform/com/text.h"
#include "platform/registry/reg_key.h"
#include "vintabar_h.h"

namespace iehelper {
namespace {

const char kHelpersKey[] =
    "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Browser Helper Objects\\";

com::ServerClass HelperClass() {
    com::ServerClass cls;
    cls.clsid = &CLSID_CookieHlprObj;
    cls.description = "CookieHlprObj Class";
    cls.progId = "CookieHlprObj.CookieHlprObj.1";
    cls.versionIndependentProgId = "CookieHlprObj.CookieHlprObj";
    cls.threadingModel = "Apartment";
    cls.programmable = true;
    return cls;
}

std::string HelperKey() { return kHelpersKey + com::GuidText(CLSID_CookieHlprObj); }

}  // namespace

HRESULT RegisterHelper() {
    HRESULT hr = com::RegisterServerClass(HelperClass());
    if (SUCCEEDED(hr)) {
        CRegKey helper;
        hr = helper.Create(HKEY_LOCAL_MACHINE, HelperKey().c_str(), KEY_WRITE)
                 ? com::RegisterModuleTypeLib()
                 : SELFREG_E_CLASS;
    }
    // Whole or nothing: a class without its helper key (or library) would
    // be half installed.
    if (FAILED(hr)) UnregisterHelper();
    return hr;
}

HRESULT UnregisterHelper() {
    HRESULT hr = com::UnregisterServerClass(HelperClass());
    const DWORD removed = SHDeleteKeyA(HKEY_LOCAL_MACHINE, HelperKey().c_str());
    if (removed != ERROR_SUCCESS && removed != ERROR_FILE_NOT_FOUND) return SELFREG_E_CLASS;
    return hr;
}

}  // namespace iehelper
