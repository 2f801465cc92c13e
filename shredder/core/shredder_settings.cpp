#include "shredder/core/shredder_settings.h"

#include "common/suite/scourwell.h"
#include "platform/registry/reg_key.h"

namespace shredder {

using namespace suite::scourwell;

DWORD ShredderSettings::ReadDword(const char* name, DWORD fallback) const {
    CRegKey key;
    DWORD value = fallback;
    if (!key.Open(HKEY_CURRENT_USER, kSettingsKey, KEY_READ) || !key.ReadDword(name, value))
        return fallback;
    return value;
}

bool ShredderSettings::WriteDword(const char* name, DWORD value) const {
    CRegKey key;
    return key.Create(HKEY_CURRENT_USER, kSettingsKey, KEY_READ | KEY_WRITE) &&
           key.WriteDword(name, value);
}

std::string ShredderSettings::ReadString(const char* name, const std::string& fallback) const {
    CRegKey key;
    std::string value = fallback;
    if (!key.Open(HKEY_CURRENT_USER, kSettingsKey, KEY_READ) || !key.ReadString(name, value, 261))
        return fallback;
    return value;
}

bool ShredderSettings::WriteString(const char* name, const std::string& value) const {
    CRegKey key;
    return key.Create(HKEY_CURRENT_USER, kSettingsKey, KEY_READ | KEY_WRITE) &&
           key.WriteString(name, value);
}

int ShredderSettings::Method() const { return static_cast<int>(ReadDword(kMethodValue, 0)); }

std::string ShredderSettings::Language() const {
    std::string language = ReadString(kLanguageValue, kDefaultLanguage);
    return language.empty() ? kDefaultLanguage : language;
}

int ShredderSettings::FolderOption() const { return static_cast<int>(ReadDword(kFolderValue, 0)); }

int ShredderSettings::RemoveOption() const { return static_cast<int>(ReadDword(kRemoveValue, 0)); }

}  // namespace shredder
