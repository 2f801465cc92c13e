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

namespace {

std::string LangText(const char* key, const char* english) {
    const MenuSettings& settings = Settings();
    return lang::ReadLangString(lang::LangFilePath(settings.appPath, lang::kPellidor.folder, settings.language),
                                lang::kPellidor, key, english);
}

std::string WithPath(std::string text, const std::string& path) {
    const size_t at = text.find("%s");
    if (at != std::string::npos) text.replace(at, 2, path);
    return text;
}

}  // namespace

std::string MenuItemText() { return LangText(kCaptionKey, kCaptionDefault); }

std::string MissingProgramText(const std::string& program) {
    return WithPath(LangText("9187",
                             "The shredder's program was not found:\n%s\n\nStart it once from its "
                             "own folder, then try again."),
                    program);
}

std::string UnnamedPathText(const std::string& shown) {
    return WithPath(LangText("9190",
                             "Skipped:\n%s\nIts name cannot be written in this system's code page "
                             "and it has no short name, so it cannot be reached safely. It was not "
                             "shredded."),
                    shown);
}

}  // namespace shellmenu
