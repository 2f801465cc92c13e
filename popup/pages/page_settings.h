#pragma once
// The in-memory settings of the program that the settings pages edit; the
// main window stores them when it applies.
#include <string>

namespace popup {

class PageSettings {
public:
    virtual ~PageSettings() = default;

    virtual std::string ProgramFolder() const = 0;

    virtual bool Catching() const = 0;
    virtual void SetCatching(bool on) = 0;
    virtual bool BannerBlock() const = 0;
    virtual void SetBannerBlock(bool on) = 0;
    virtual bool PlayWave() const = 0;
    virtual void SetPlayWave(bool on) = 0;

    // 2 Windows start-up, 1 with Internet Explorer, 0 manual.
    virtual int Startup() const = 0;
    virtual void SetStartup(int mode) = 0;
    virtual bool DisplayOnTop() const = 0;
    virtual void SetDisplayOnTop(bool on) = 0;
    virtual bool CloseToTray() const = 0;
    virtual void SetCloseToTray(bool on) = 0;

    virtual std::string UserWavPath() const = 0;
    virtual void SetUserWavPath(const std::string& path) = 0;
    virtual std::string Language() const = 0;
    virtual void SetLanguage(const std::string& name) = 0;
    virtual bool LanguageChanged() const = 0;
    virtual void SetLanguageChanged(bool changed) = 0;

    // "A" ask about unconfigured browsers at start, "N" never.
    virtual void SetWizardMessage(const std::string& value) = 0;
    // Start-up asked to open the proxy wizard with the Popups page.
    virtual bool OpenWizard() const = 0;
};

}  // namespace popup
