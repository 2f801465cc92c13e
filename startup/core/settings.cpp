#include "startup/core/settings.h"

#include "platform/registry/reg_key.h"

namespace startup {
namespace {

const char kSettingsKey[] = "Software\\VB and VBA Program Settings\\Brackwell\\Language";
const char kNameValue[] = "Name";

}  // namespace

std::string ReadLanguageSetting() {
    CRegKey key;
    std::string name;
    if (!key.Open(HKEY_CURRENT_USER, kSettingsKey, KEY_QUERY_VALUE) ||
        !key.ReadString(kNameValue, name, 1024)) {
        return std::string();
    }
    return name;
}

bool WriteLanguageSetting(const std::string& file) {
    CRegKey key;
    return key.Create(HKEY_CURRENT_USER, kSettingsKey, KEY_SET_VALUE) &&
           key.WriteString(kNameValue, file);
}

}  // namespace startup
