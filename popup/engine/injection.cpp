#include "popup/engine/injection.h"

#include "common/proxy/http_text.h"

namespace popup {

const char kSoundElement[] = "<BGSOUND ID='Quiv_beep'>";

bool InjectScript(std::string& body, const std::string& script, bool playWave) {
    std::string lower = proxy::ToLower(body);
    if (lower.find("<html>") == std::string::npos && lower.find("<body") == std::string::npos) {
        size_t scr = lower.find("<scr");
        if (scr == std::string::npos || scr == 0 || lower[scr - 1] == '\'' || lower[scr - 1] == '"')
            return false;
    }
    if (script.empty()) return false;
    if (playWave) {
        // The page's own head tag: one inside the script does not count.
        size_t head = body.find("<head>");
        if (head == std::string::npos) head = body.find("<HEAD>");
        if (head != std::string::npos && head + 6 < body.size()) body.insert(head + 6, kSoundElement);
    }
    body.insert(0, script);
    return true;
}

}  // namespace popup
