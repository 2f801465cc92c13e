#include "platform/registry/reg_key.h"

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

bool CRegKey::Create(HKEY root, const char* subKey, REGSAM access) {
    Close();
    if (RegCreateKeyExA(root, subKey, 0, nullptr, REG_OPTION_NON_VOLATILE, access,
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

bool CRegKey::ReadBytes(const char* name, std::string& value, DWORD* type) const {
    DWORD size = 0;
    if (!key_ || RegQueryValueExA(key_, name, nullptr, type, nullptr, &size) != ERROR_SUCCESS) {
        return false;
    }
    std::string bytes(size, '\0');
    if (size && RegQueryValueExA(key_, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&bytes[0]),
                                 &size) != ERROR_SUCCESS) {
        return false;
    }
    bytes.resize(size);
    value = bytes;
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

bool CRegKey::WriteBytes(const char* name, DWORD type, const std::string& data) const {
    return key_ && RegSetValueExA(key_, name, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                                  static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
}

bool CRegKey::DeleteValue(const char* name) const {
    if (!key_) return false;
    LONG result = RegDeleteValueA(key_, name);
    return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

bool CRegKey::DeleteTree(const char* subKey) const {
    if (!key_ || subKey == nullptr || *subKey == '\0') return false;
    {
        // Windows NT refuses to delete a key that still has subkeys.
        CRegKey child;
        if (!child.Open(key_, subKey, KEY_READ | KEY_WRITE)) return false;
        std::vector<char> name(256);
        for (;;) {
            DWORD length = static_cast<DWORD>(name.size());
            if (RegEnumKeyExA(child.key_, 0, name.data(), &length, nullptr, nullptr, nullptr,
                              nullptr) != ERROR_SUCCESS ||
                !child.DeleteTree(name.data())) {
                break;
            }
        }
    }
    return RegDeleteKeyA(key_, subKey) == ERROR_SUCCESS;
}

std::vector<std::string> CRegKey::ValueNames() const {
    std::vector<std::string> names;
    DWORD count = 0;
    DWORD longest = 0;
    if (!key_ || RegQueryInfoKeyA(key_, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                  &count, &longest, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
        return names;
    }
    std::vector<char> name(longest + 1);
    for (DWORD i = 0; i < count; ++i) {
        DWORD length = static_cast<DWORD>(name.size());
        if (RegEnumValueA(key_, i, name.data(), &length, nullptr, nullptr, nullptr, nullptr) ==
            ERROR_SUCCESS) {
            names.emplace_back(name.data(), length);
        }
    }
    return names;
}

std::vector<std::string> CRegKey::SubKeyNames() const {
    std::vector<std::string> names;
    DWORD longest = 0;
    if (!key_ || RegQueryInfoKeyA(key_, nullptr, nullptr, nullptr, nullptr, &longest, nullptr,
                                  nullptr, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
        return names;
    }
    std::vector<char> name(longest + 2);
    for (DWORD i = 0;; ++i) {
        DWORD length = static_cast<DWORD>(name.size());
        if (RegEnumKeyExA(key_, i, name.data(), &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS) {
            break;
        }
        names.emplace_back(name.data(), length);
    }
    return names;
}

DWORD CRegKey::SubKeyCount() const {
    DWORD count = 0;
    if (!key_ || RegQueryInfoKeyA(key_, nullptr, nullptr, nullptr, &count, nullptr, nullptr,
                                  nullptr, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) {
        return 0;
    }
    return count;
}
