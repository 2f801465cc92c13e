#include "common/browser/proxy_setting_key.h"

namespace browser {

ProxySettingKey::ProxySettingKey() { key_.Create(HKEY_CURRENT_USER, kProxySettingKey); }

void ProxySettingKey::Set(int& flag, const char* name, int value) const {
    flag = value;
    key_.WriteDword(name, static_cast<DWORD>(value));
}

}  // namespace browser
