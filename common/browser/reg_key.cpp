#include "common/browser/reg_key.h"

#include <utility>

namespace browser {

RegKey::~RegKey() {
    if (key_) RegCloseKey(key_);
}

RegKey::RegKey(RegKey&& other) noexcept : key_(std::exchange(other.key_, nullptr)) {}

RegKey& RegKey::operator=(RegKey&& other) noexcept {
    if (this != &other) {
        if (key_) RegCloseKey(key_);
        key_ = std::exchange(other.key_, nullptr);
    }
    return *this;
}

RegKey RegKey::Open(HKEY root, const char* path, REGSAM access) {
    HKEY key = nullptr;
    return RegKey(RegOpenKeyExA(root, path, 0, access, &key) == ERROR_SUCCESS ? key : nullptr);
}

RegKey RegKey::Create(HKEY root, const char* path) {
    HKEY key = nullptr;
    LONG result = RegCreateKeyExA(root, path, 0, nullptr, REG_OPTION_NON_VOLATILE,
                                  KEY_ALL_ACCESS, nullptr, &key, nullptr);
    return RegKey(result == ERROR_SUCCESS ? key : nullptr);
}

bool RegKey::ReadDword(const char* name, DWORD& value) const {
    DWORD type = 0, data = 0, size = sizeof(data);
    if (!key_ || RegQueryValueExA(key_, name, nullptr, &type, reinterpret_cast<BYTE*>(&data),
                                  &size) != ERROR_SUCCESS ||
        type != REG_DWORD)
        return false;
    value = data;
    return true;
}

bool RegKey::ReadString(const char* name, std::string& value) const {
    std::string bytes;
    if (!ReadBytes(name, bytes)) return false;
    value = bytes.substr(0, bytes.find('\0'));
    return true;
}

bool RegKey::ReadBytes(const char* name, std::string& value) const {
    DWORD size = 0;
    if (!key_ || RegQueryValueExA(key_, name, nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS)
        return false;
    std::string bytes(size, '\0');
    if (size && RegQueryValueExA(key_, name, nullptr, nullptr, reinterpret_cast<BYTE*>(&bytes[0]),
                                 &size) != ERROR_SUCCESS)
        return false;
    bytes.resize(size);
    value = bytes;
    return true;
}

bool RegKey::WriteDword(const char* name, DWORD value) const {
    return key_ && RegSetValueExA(key_, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                                  sizeof(value)) == ERROR_SUCCESS;
}

std::vector<std::string> RegKey::ValueNames() const {
    std::vector<std::string> names;
    DWORD count = 0, longest = 0;
    if (!key_ || RegQueryInfoKeyA(key_, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                  &count, &longest, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return names;
    std::vector<char> name(longest + 1);
    for (DWORD i = 0; i < count; ++i) {
        DWORD length = static_cast<DWORD>(name.size());
        if (RegEnumValueA(key_, i, name.data(), &length, nullptr, nullptr, nullptr, nullptr) ==
            ERROR_SUCCESS)
            names.emplace_back(name.data(), length);
    }
    return names;
}

}  // namespace browser
