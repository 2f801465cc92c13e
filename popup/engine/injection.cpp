#include "popup/engine/injection.h"

#include "common/proxy/http_text.h"

namespace popup {

const char kSoundElement[] = "<BGSOUND ID='Quiv_beep'>";

bool InjectScript(std::string& body, const std::string& script, bool playWave) {
    const std::string lower = proxy::ToLower(body);
    if (!proxy::IsScriptablePage(lower) || script.empty()) return false;
    // Both places are found on the page as it came, so the script's own
    // text cannot hold the head tag; the later one is filled first, so the
    // earlier one stays where it was found.
    const size_t at = proxy::PageScriptOffset(lower);
    size_t sound = std::string::npos;
    if (playWave) {
        size_t head = body.find("<head>");
        if (head == std::string::npos) head = body.find("<HEAD>");
        if (head != std::string::npos && head + 6 < body.size()) sound = head + 6;
    }
    if (sound != std::string::npos && sound >= at) body.insert(sound, kSoundElement);
    body.insert(at, script);
    if (sound != std::string::npos && sound < at) body.insert(sound, kSoundElement);
    return true;
}

}  // namespace popup
