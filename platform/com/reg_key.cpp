#include "platform/com/reg_key.h"

namespace com {

LONG RegKey::create(HKEY parent, const std::string& path) {
    close();
    return RegCreateKeyExA(parent, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key_,
                           nullptr);
}

LONG RegKey::setString(const std::string& name, const std::string& value) {
    return RegSetValueExA(key_, name.empty() ? nullptr : name.c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(value.c_str()),
                          static_cast<DWORD>(value.size() + 1));
}

void RegKey::close() {
    if (key_) RegCloseKey(key_);
    key_ = nullptr;
}

}  // namespace com
