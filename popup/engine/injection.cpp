#include "popup/engine/injection.h"

#include "common/proxy/http_text.h"

namespace popup {

const char kSoundElement[] = "<BGSOUND ID='Quiv_beep'>";

bool InjectScript(std::string& body, const std::string& script, bool playWave) {
    const std::string lower = proxy::ToLower(body);
    if (!proxy::IsScriptablePage(lower) || script.empty()) return false;
    const size_t at = proxy::PageScriptOffset(lower);
    if (playWave) {
        // The page's own head tag: one inside the script does not count.
        size_t head = body.find("<head>");
        if (head == std::string::npos) head = body.find("<HEAD>");
        if (head != std::string::npos && head + 6 < body.size()) body.insert(head + 6, kSoundElement);
    }
    body.insert(at, script);
    return true;
}

}  // namespace popup
