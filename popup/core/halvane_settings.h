#pragma once
// The program's own values under HKCU "Software\Velmora Blinkward" and its
// Run value. The values are plain members: the pages edit them in memory,
// SaveSettings stores them when the main window applies.
#include <string>

#include "common/suite/blinkward.h"

namespace ui {
class MessagePrompt;
}
namespace lang {
class TextSource;
}

namespace popup {

using suite::blinkward::kProductKey;
using suite::blinkward::kRunValueName;
extern const char kRunKey[];

class CHalvaneSettings {
public:
    std::string wizardMessage = "A";  // "A" ask about unconfigured browsers, "N" never
    std::string language;
    std::string path;                 // product folder
    std::string blockedPopups;        // decimal text
    std::string userWavPath;
    int closeToTray = 0;
    int languageChanged = 0;          // `Language` is saved only when set
    bool firstRun = false;
    bool showAtStart = false;
    int openWizard = 0;               // the first-run prompt was answered Yes

    // `FirstRun` (then written 0 at once, before anything can fail) and
    // `ShowAtStart`. A missing key leaves both false.
    void ReadStartFlags();

    // Reads every value of the key. When the key or a required value
    // (`Language`, `Path`, `Blocked Popups`, `User Wav Path`) is missing, shows
    // message 6001 and returns -1; the values read before stay. Else 0.
    int LoadSettings(ui::MessagePrompt& prompt, const lang::TextSource& texts,
                     const std::string& caption);

    // Stores the values (creating the key), then the Run value for the start
    // mode (2: with Windows). False when any write failed.
    bool SaveSettings(int startupMode) const;

    // The tray notice's "don't show again" choice, in memory and stored.
    bool WriteShowAtStart(bool show);
};

// Run value "Velmora Blinkward": the quoted program path for start mode 2,
// empty otherwise (never deleted).
bool WriteRunValue(int startupMode, const std::string& productFolder);

}  // namespace popup
