#pragma once
// The proxy engine's settings file "QXINI.ini" beside the program: one
// section, integers and short texts, each with its default.
#include <cstddef>
#include <string>
#include <vector>

#include "common/suite/blinkward.h"

namespace popup {

constexpr const char* kEngineSettingsFile = suite::blinkward::kEngineSettingsFile;
constexpr const char* kEngineSettingsSection = suite::blinkward::kSection;
// Texts are read with a buffer of this many bytes.
constexpr std::size_t kIniTextBuffer = 260;

struct EngineSettings {
    std::string popupIP = "VelmoraBlinkward";  // host alias of the local proxy
    int popupPort = 0;                         // the listener's port
    std::string gatewayIP;                     // upstream proxy
    int gatewayPort = 80;
    int gatewayEnable = 0;
    int bannerBlock = 0;
    int startup = 2;                           // 2 Windows, 1 Internet Explorer, 0 manual
    int eventMask = -1;                        // read, never used nor written
    int displayOnTop = 1;
    int disabled = 0;                          // relay everything unchanged
    int useDefaultBufferSizes = 1;
    int bufferSize = 8192;
    int dnsCacheSize = 10;
    int dnsCacheDisable = 1;
    int disableProxy = 0;                      // kept and written back
    bool catching = true;                      // stored inverted as PopupCheckDisabled
    int playWave = 1;
    int connectionTimeOut = 60;
    int useDefaultTimeOut = 1;
};

// One section of a private-profile file, written through the platform's
// profile write (LoadEngineSettings reads the file's text).
class IniFile {
public:
    IniFile(std::string path, std::string section);

    bool WriteIniString(const char* key, const std::string& text) const;
    // Hands the platform's cached writes to the file (Windows 95, 98 and Me
    // keep them in memory), so reads of the file's text see them.
    void Flush() const;

    const std::string& path() const { return path_; }
    const std::string& section() const { return section_; }

private:
    std::string path_;
    std::string section_;
};

// The folder of the program file, with its trailing backslash, plus `name`.
std::string GetExeDirPath(const char* name);

EngineSettings LoadEngineSettings(const IniFile& file);
// Writes every key of EngineSettingsEntries; false when a write failed.
bool SaveEngineSettings(const IniFile& file, const EngineSettings& settings);

// The window-free halves of the two above: the settings in `section` of a
// settings file's text, and the keys saving writes, in their order, with
// the text each gets (every key but EventMask, plus ResetStats); a text
// that would not read back as itself is quoted.
EngineSettings ReadEngineSettings(const std::string& fileText, const std::string& section);
struct IniEntry {
    const char* key;
    std::string text;
};
std::vector<IniEntry> EngineSettingsEntries(const EngineSettings& settings);

}  // namespace popup
