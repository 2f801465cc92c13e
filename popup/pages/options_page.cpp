#include "popup/pages/options_page.h"

#include "common/files/folder_list.h"
#include "common/files/whole_file.h"
#include "common/lang/lang_file.h"
#include "popup/core/halvane_startup.h"

namespace popup {

OptionsPageModel::OptionsPageModel(PageSettings& settings, PageHost& host, InstanceMutex& mutex)
    : settings_(settings), host_(host), mutex_(mutex) {}

void OptionsPageModel::FillLanguageCombo() {
    languages_.clear();
    for (const lang::LanguageEntry& entry :
         lang::ListLanguages(settings_.ProgramFolder(), "Language", "Flags")) {
        LanguageItem item{entry.name, ""};
        if (files::FileExists(entry.flagPath))
            item.flagFile = entry.flagPath;
        else if (files::FileExists(entry.fallbackFlagPath))
            item.flagFile = entry.fallbackFlagPath;
        languages_.push_back(item);
    }
}

void OptionsPageModel::RefreshControls() {
    FillSoundCombo();
    languageSelected_ = languages_.empty() ? -1 : 0;
    for (size_t i = 0; i < languages_.size(); ++i) {
        if (languages_[i].name == settings_.Language()) languageSelected_ = static_cast<int>(i);
    }
}

void OptionsPageModel::FillSoundCombo() {
    const std::string folder = settings_.ProgramFolder() + "\\Sounds";
    sounds_.Fill(folder, files::ListFileTitles(folder, "*.wav"), settings_.UserWavPath());
}

StartupRadio OptionsPageModel::StartupTicked() const {
    switch (settings_.Startup()) {
    case 2:
        return StartupRadio::WindowsStartup;
    case 0:
        return StartupRadio::ManualStart;
    default:
        return StartupRadio::IEStartup;
    }
}

void OptionsPageModel::OnStartupMode(StartupRadio ticked) {
    switch (ticked) {
    case StartupRadio::WindowsStartup:
        settings_.SetStartup(2);
        break;
    case StartupRadio::ManualStart:
        settings_.SetStartup(0);
        break;
    case StartupRadio::IEStartup:
        settings_.SetStartup(1);
        break;
    }
    host_.SetModified();
}

void OptionsPageModel::OnAlwaysOnTop(bool ticked) {
    settings_.SetDisplayOnTop(ticked);
    host_.PostToMain(WM_ON_TOP_CHANGED);
    host_.SetModified();
}

void OptionsPageModel::OnCloseToTray(bool ticked) {
    settings_.SetCloseToTray(ticked);
    host_.SetModified();
}

void OptionsPageModel::OnLanguageChange(int index) {
    if (index < 0 || index >= static_cast<int>(languages_.size())) return;
    const std::string& chosen = languages_[index].name;
    // Picking the language in use again changes nothing; an earlier change
    // still waits to be saved, so its flag stays.
    if (chosen == settings_.Language()) return;
    // Start-up names the mutex before any language is read, so it always
    // carries the English default; the helper object and the uninstaller
    // rely on that name. It is taken again only when it differs.
    if (mutex_.Name() != kInstanceDefault && !mutex_.Recreate(kInstanceDefault)) {
        host_.EndProgram();
        return;
    }
    languageSelected_ = index;
    settings_.SetLanguage(chosen);
    settings_.SetLanguageChanged(true);
    host_.SetModified();
    host_.PostToMain(WM_LANGUAGE_CHANGED);
}

void OptionsPageModel::OnSoundChange(int index) {
    if (sounds_.IsCustomEntry(index)) return;
    const std::string path = sounds_.Choose(index);
    if (path.empty()) return;
    settings_.SetUserWavPath(path);
    host_.SetModified();
}

void OptionsPageModel::OnCustomSoundChosen(const std::string& path) {
    if (path.empty()) return;
    sounds_.ChooseCustom(path);
    settings_.SetUserWavPath(path);
    host_.SetModified();
}

}  // namespace popup
