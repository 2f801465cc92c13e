#pragma once
// What the popup blocker does to an HTML page: the blocking script in front
// and, when sound is on, the sound element behind the page's own head tag.
// No platform calls.
#include <string>

namespace popup {

extern const char kSoundElement[];  // "<BGSOUND ID='Quiv_beep'>"

// Puts `script` in front of an HTML page (behind its opening doctype, if it
// has one, so the page keeps its standards mode) and, with `playWave`, the
// sound element behind the page's own head tag. True when the body changed.
bool InjectScript(std::string& body, const std::string& script, bool playWave);

}  // namespace popup
