#include "shellmenu/registration.h"

#include <olectl.h>
#include <shlwapi.h>

#include <string>

#include "common/os/os_version.h"
#include "common/suite/scourwell.h"
#include "platform/com/module.h"
#include "platform/registry/reg_key.h"

namespace shellmenu {

using namespace suite::scourwell;

namespace {

const char kApprovedKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";

std::string ClassKey() { return std::string("CLSID\\") + kMenuHandlerClsid; }
std::string HandlerKey(const char* root) {
    return std::string(root) + "\\shellex\\ContextMenuHandlers\\" + kMenuHandlerName;
}

bool WriteDefault(HKEY root, const std::string& key, const char* name, const std::string& value) {
    CRegKey opened;
    return opened.Create(root, key.c_str(), KEY_READ | KEY_WRITE) && opened.WriteString(name, value);
}

bool RemoveKey(const std::string& key) {
    const LONG result = SHDeleteKeyA(HKEY_CLASSES_ROOT, key.c_str());
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

}  // namespace

HRESULT RegisterShellExt() {
    const bool written =
        WriteDefault(HKEY_CLASSES_ROOT, ClassKey(), "", kMenuHandlerName) &&
        WriteDefault(HKEY_CLASSES_ROOT, ClassKey() + "\\InProcServer32", "", com::module::Path()) &&
        WriteDefault(HKEY_CLASSES_ROOT, ClassKey() + "\\InProcServer32", "ThreadingModel", "Apartment") &&
        WriteDefault(HKEY_CLASSES_ROOT, HandlerKey("*"), "", kMenuHandlerClsid) &&
        WriteDefault(HKEY_CLASSES_ROOT, HandlerKey("Folder"), "", kMenuHandlerClsid) &&
        (!IsWindowsNT() ||
         WriteDefault(HKEY_LOCAL_MACHINE, kApprovedKey, kMenuHandlerClsid, kMenuHandlerName));
    return written ? S_OK : SELFREG_E_CLASS;
}

HRESULT UnregisterShellExt() {
    if (!RemoveKey(ClassKey() + "\\InProcServer32") || !RemoveKey(ClassKey()) ||
        !RemoveKey(HandlerKey("*")) || !RemoveKey(HandlerKey("Folder")))
        return SELFREG_E_CLASS;
    if (IsWindowsNT()) {
        HKEY approved = nullptr;
        if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kApprovedKey, 0, KEY_SET_VALUE, &approved) == ERROR_SUCCESS) {
            const LONG result = RegDeleteValueA(approved, kMenuHandlerClsid);
            RegCloseKey(approved);
            if (result != ERROR_SUCCESS && result != ERROR_FILE_NOT_FOUND) return SELFREG_E_CLASS;
        }
    }
    return S_OK;
}

}  // namespace shellmenu
