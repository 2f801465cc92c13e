#include "startup/core/registry_routines.h"

#include <vector>

namespace startup {

std::string RunKeyPath(const std::string& keyName) {
    return "Software\\Microsoft\\Windows\\CurrentVersion\\" + keyName;
}

RegKey::~RegKey() {
    if (key_) RegCloseKey(key_);
}

LONG RegKey::Open(HKEY root, const std::string& path, REGSAM access) {
    if (key_) RegCloseKey(key_);
    key_ = nullptr;
    LONG result = RegOpenKeyExA(root, path.c_str(), 0, access, &key_);
    if (result != ERROR_SUCCESS) key_ = nullptr;
    return result;
}

LONG RegKey::Create(HKEY root, const std::string& path) {
    if (key_) RegCloseKey(key_);
    key_ = nullptr;
    LONG result = RegCreateKeyExA(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                  KEY_SET_VALUE, nullptr, &key_, nullptr);
    if (result != ERROR_SUCCESS) key_ = nullptr;
    return result;
}

void OpenRegKey(HKEY root, const std::string& path, RegKey& key) {
    key.Open(root, path, KEY_QUERY_VALUE);
}

DWORD GetRegKeyCount(const RegKey& key, int mode) {
    DWORD subKeys = 0;
    DWORD values = 0;
    if (!key.Handle() ||
        RegQueryInfoKeyA(key.Handle(), nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr,
                         &values, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
        return 0;
    }
    return mode == 1 ? subKeys : values;
}

bool EnumRegValueName(const RegKey& key, DWORD index, std::string& name) {
    if (!key.Handle()) return false;
    // Value names may run to 16383 characters; no data is fetched.
    for (DWORD size = 261; size <= 32768; size *= 4) {
        std::vector<char> buffer(size);
        DWORD length = size;
        LONG result = RegEnumValueA(key.Handle(), index, buffer.data(), &length, nullptr, nullptr,
                                    nullptr, nullptr);
        if (result == ERROR_SUCCESS) {
            name.assign(buffer.data(), length);
            return true;
        }
        if (result != ERROR_MORE_DATA) return false;
    }
    return false;
}

static_assert(kDwordValueType == REG_DWORD, "the store's DWORD type is the registry's");

bool ReadRegValue(HKEY root, const std::string& path, const std::string& name, std::string& text,
                  DWORD* type, std::string* data) {
    RegKey key;
    if (key.Open(root, path, KEY_QUERY_VALUE) != ERROR_SUCCESS) return false;
    DWORD valueType = 0;
    DWORD size = 0;
    if (RegQueryValueExA(key.Handle(), name.c_str(), nullptr, &valueType, nullptr, &size) !=
        ERROR_SUCCESS) {
        return false;
    }
    std::vector<char> bytes(size + 1, '\0');
    if (size && RegQueryValueExA(key.Handle(), name.c_str(), nullptr, &valueType,
                                 reinterpret_cast<BYTE*>(bytes.data()), &size) != ERROR_SUCCESS) {
        return false;
    }
    const std::string raw(bytes.data(), size);
    if (type) *type = valueType;
    if (data) *data = raw;
    text = RegValueText(valueType, raw);
    return true;
}

LONG WriteRegValue(HKEY root, const std::string& path, const std::string& name,
                   const std::string& text, DWORD type) {
    return WriteRegBytes(root, path, name, std::string(text.c_str(), text.size() + 1), type);
}

LONG WriteRegBytes(HKEY root, const std::string& path, const std::string& name,
                   const std::string& data, DWORD type) {
    RegKey key;
    LONG result = key.Create(root, path);
    if (result != ERROR_SUCCESS) return result;
    return RegSetValueExA(key.Handle(), name.c_str(), 0, type,
                          reinterpret_cast<const BYTE*>(data.data()),
                          static_cast<DWORD>(data.size()));
}

LONG DeleteRegValue(HKEY root, const std::string& path, const std::string& name) {
    RegKey key;
    LONG result = key.Open(root, path, KEY_SET_VALUE);
    if (result == ERROR_SUCCESS) result = RegDeleteValueA(key.Handle(), name.c_str());
    return result == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : result;
}

bool GetKeyValue(HKEY root, const std::string& path, const std::string& name, std::string& value) {
    DWORD type = 0;
    std::string text;
    if (!ReadRegValue(root, path, name, text, &type)) return false;
    if (type != REG_SZ && type != REG_EXPAND_SZ && type != REG_DWORD) return false;
    value = text;
    return true;
}

}  // namespace startup
