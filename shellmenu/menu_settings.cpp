#include "shellmenu/menu_settings.h"

#include "common/lang/lang_file.h"
#include "common/suite/scourwell.h"
#include "platform/registry/reg_key.h"
#include "platform/sync/sync.h"

namespace shellmenu {

using namespace suite::scourwell;

const MenuSettings& Settings() {
    static sync::CriticalSection section;
    static MenuSettings settings;
    static bool read = false;
    sync::Lock lock(section);
    if (!read) {
        CRegKey key;
        if (key.Open(HKEY_CURRENT_USER, kSettingsKey, KEY_READ)) {
            key.ReadString(kAppPathValue, settings.appPath, MAX_PATH + 1);
            key.ReadString(kLanguageValue, settings.language, MAX_PATH + 1);
        }
        if (settings.language.empty()) settings.language = kDefaultLanguage;
        read = true;
    }
    return settings;
}

std::string MenuItemText() {
    const MenuSettings& settings = Settings();
    return lang::ReadLangString(lang::LangFilePath(settings.appPath, lang::kPellidor.folder, settings.language),
                                lang::kPellidor, kCaptionKey, kCaptionDefault);
}

}  // namespace shellmenu
