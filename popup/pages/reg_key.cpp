#include "popup/pages/reg_key.h"

RegKey::RegKey(HKEY root, const std::string& path, REGSAM access) {
    if (RegOpenKeyExA(root, path.c_str(), 0, access, &key_) != ERROR_SUCCESS) key_ = nullptr;
}

RegKey::~RegKey() {
    if (key_) RegCloseKey(key_);
}

bool RegKey::ReadDword(const char* name, DWORD& value) const {
    if (!key_) return false;
    DWORD type = 0;
    DWORD data = 0;
    DWORD size = sizeof(data);
    if (RegQueryValueExA(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof(data))
        return false;
    value = data;
    return true;
}

bool RegKey::WriteDword(const char* name, DWORD value) {
    return key_ && RegSetValueExA(key_, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                  sizeof(value)) == ERROR_SUCCESS;
}
