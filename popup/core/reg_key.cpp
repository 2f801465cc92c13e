#include "popup/core/reg_key.h"

#include <vector>

CRegKey::~CRegKey() { Close(); }

void CRegKey::Close() {
    if (key_) RegCloseKey(key_);
    key_ = nullptr;
}

bool CRegKey::Open(HKEY root, const char* subKey, REGSAM access) {
    Close();
    if (RegOpenKeyExA(root, subKey, 0, access, &key_) != ERROR_SUCCESS) key_ = nullptr;
    return IsOpen();
}

bool CRegKey::Create(HKEY root, const char* subKey) {
    Close();
    if (RegCreateKeyExA(root, subKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &key_, nullptr) != ERROR_SUCCESS) {
        key_ = nullptr;
    }
    return IsOpen();
}

bool CRegKey::ReadString(const char* name, std::string& value, std::size_t bufferSize) const {
    if (!key_ || bufferSize == 0) return false;
    std::vector<char> buffer(bufferSize, '\0');
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(bufferSize);
    if (RegQueryValueExA(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                         &size) != ERROR_SUCCESS) {
        return false;
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) return false;
    // The stored text may or may not carry its terminator; without one it
    // must still leave room for it in the buffer.
    std::size_t length = 0;
    while (length < size && buffer[length] != '\0') ++length;
    if (length >= bufferSize) return false;
    value.assign(buffer.data(), length);
    return true;
}

bool CRegKey::ReadDword(const char* name, DWORD& value) const {
    if (!key_) return false;
    DWORD type = 0;
    DWORD data = 0;
    DWORD size = sizeof(data);
    if (RegQueryValueExA(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(&data), &size) !=
            ERROR_SUCCESS ||
        type != REG_DWORD || size != sizeof(data)) {
        return false;
    }
    value = data;
    return true;
}

bool CRegKey::WriteString(const char* name, const std::string& value) const {
    return key_ && RegSetValueExA(key_, name, 0, REG_SZ,
                                  reinterpret_cast<const BYTE*>(value.c_str()),
                                  static_cast<DWORD>(value.size() + 1)) == ERROR_SUCCESS;
}

bool CRegKey::WriteDword(const char* name, DWORD value) const {
    return key_ && RegSetValueExA(key_, name, 0, REG_DWORD,
                                  reinterpret_cast<const BYTE*>(&value),
                                  sizeof(value)) == ERROR_SUCCESS;
}
