#pragma once
// Stand-ins for what the page models ask of the program and its windows.
#include <map>
#include <string>
#include <vector>

#include "common/lang/text_source.h"
#include "popup/pages/ad_block.h"
#include "popup/pages/browser_state.h"
#include "popup/pages/page_host.h"
#include "popup/pages/page_settings.h"

namespace popup {

struct FakeSettings : PageSettings {
    std::string folder = "C:\\nowhere";
    bool catching = false, banner = false, playWave = true, onTop = false, closeToTray = false;
    int startup = 1;
    std::string wavPath, language = "English", wizardMessage = "N";
    bool languageChanged = false, openWizard = false;

    std::string ProgramFolder() const override { return folder; }
    bool Catching() const override { return catching; }
    void SetCatching(bool on) override { catching = on; }
    bool BannerBlock() const override { return banner; }
    void SetBannerBlock(bool on) override { banner = on; }
    bool PlayWave() const override { return playWave; }
    void SetPlayWave(bool on) override { playWave = on; }
    int Startup() const override { return startup; }
    void SetStartup(int mode) override { startup = mode; }
    bool DisplayOnTop() const override { return onTop; }
    void SetDisplayOnTop(bool on) override { onTop = on; }
    bool CloseToTray() const override { return closeToTray; }
    void SetCloseToTray(bool on) override { closeToTray = on; }
    std::string UserWavPath() const override { return wavPath; }
    void SetUserWavPath(const std::string& path) override { wavPath = path; }
    std::string Language() const override { return language; }
    void SetLanguage(const std::string& name) override { language = name; }
    bool LanguageChanged() const override { return languageChanged; }
    void SetLanguageChanged(bool changed) override { languageChanged = changed; }
    void SetWizardMessage(const std::string& value) override { wizardMessage = value; }
    bool OpenWizard() const override { return openWizard; }
};

struct FakeBrowserState : BrowserStateSource {
    BrowserState flags;
    int refreshes = 0;
    // The program's read switches catching off when no browser is configured.
    FakeSettings* switchesOff = nullptr;
    void Refresh() override {
        ++refreshes;
        if (switchesOff && !flags.AnyConfigured()) switchesOff->catching = false;
    }
    BrowserState Current() const override { return flags; }
};

struct RecordingHost : PageHost, ui::MessagePrompt {
    std::vector<int> posted;
    int modified = 0;
    std::vector<std::string> infos;  // text, then caption
    std::vector<std::string> questions;
    bool answer = true;
    std::vector<WizardMode> wizards;
    // What a wizard run changes in the browser state.
    FakeBrowserState* state = nullptr;
    BrowserState afterWizard;
    bool ended = false;

    void PostToMain(unsigned message) override { posted.push_back(static_cast<int>(message)); }
    void SetModified() override { ++modified; }
    ui::MessagePrompt& Prompt() override { return *this; }
    int Show(const std::string& text, const std::string& caption, unsigned type) override {
        if ((type & MB_TYPEMASK) == MB_YESNO) {
            questions.push_back(text);
            return answer ? IDYES : IDNO;
        }
        infos.push_back(text);
        infos.push_back(caption);
        return IDOK;
    }
    void RunProxyWizard(WizardMode mode) override {
        wizards.push_back(mode);
        if (state) state->flags = afterWizard;
    }
    void EndProgram() override { ended = true; }
};

// Built-in texts, except the keys a test gives its own.
struct FakeTexts : lang::TextSource {
    std::map<std::string, std::string> own;
    std::string Text(const char* key, const char* def) const override {
        auto it = own.find(key);
        return it == own.end() ? def : it->second;
    }
};

struct FakeHosts : AdBlockHosts {
    AdBlockResult result = AdBlockResult::Done;
    std::vector<bool> applied;
    AdBlockResult Apply(bool on) override {
        applied.push_back(on);
        return result;
    }
};

}  // namespace popup
