#pragma once
// The blocking script put in front of every page: the installation's
// "QXBlk.js" with its one placeholder filled for the popup sound.
#include <string>

namespace popup {

extern const char kBlockScriptFile[];  // "QXBlk.js"
extern const char kPopupSoundFile[];   // "PopUp.wav"

// The script file's full path: a name without a backslash lies in
// `programFolder` (which ends with a backslash).
std::string CheckBlockScript(const std::string& programFolder);

// The script bytes: the whole file (empty when it is missing) with its
// first "%s" replaced by the statement that plays `soundFile` (slashes
// forward) when `playWave` is set, else by two blanks.
std::string BuildInjectedScript(const std::string& scriptFile, bool playWave,
                                const std::string& soundFile);

}  // namespace popup
