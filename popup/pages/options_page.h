#pragma once
// The Options page without its window: the start mode, always on top, close
// to tray, the sound box and the language box with its flag pictures.
#include <string>
#include <vector>

#include "popup/pages/instance_mutex.h"
#include "popup/pages/page_host.h"
#include "popup/pages/page_settings.h"
#include "popup/pages/sound_list.h"

namespace popup {

enum class StartupRadio { WindowsStartup, IEStartup, ManualStart };

struct LanguageItem {
    std::string name;
    std::string flagFile;  // the picture to load; empty when there is none
};

class OptionsPageModel {
public:
    OptionsPageModel(PageSettings& settings, PageHost& host, InstanceMutex& mutex);

    // The language box: every language file with its flag.
    void FillLanguageCombo();
    // The controls from the settings (also the main window's Cancel).
    void RefreshControls();

    StartupRadio StartupTicked() const;
    void OnStartupMode(StartupRadio ticked);
    void OnAlwaysOnTop(bool ticked);
    void OnCloseToTray(bool ticked);
    void OnLanguageChange(int index);
    void OnSoundChange(int index);
    // The user picked `path` in the file dialog of the custom entry.
    void OnCustomSoundChosen(const std::string& path);

    // The sound controls can be used only while the sound alert is on.
    bool SoundControlsEnabled() const { return settings_.PlayWave(); }
    const std::vector<LanguageItem>& Languages() const { return languages_; }
    int LanguageSelected() const { return languageSelected_; }
    const SoundList& Sounds() const { return sounds_; }

private:
    void FillSoundCombo();

    PageSettings& settings_;
    PageHost& host_;
    InstanceMutex& mutex_;
    std::vector<LanguageItem> languages_;
    int languageSelected_ = -1;
    SoundList sounds_;
};

}  // namespace popup
