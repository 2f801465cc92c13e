#include "popup/engine/injection.h"

#include "common/proxy/http_text.h"

namespace popup {

const char kSoundElement[] = "<BGSOUND ID='Quiv_beep'>";

namespace {

// Where the script goes: right behind a doctype that opens the page (after
// white space, a byte-order mark or comments), so the browser keeps the
// page's standards mode; else in front of everything.
size_t ScriptPosition(const std::string& lower) {
    size_t at = lower.compare(0, 3, "\xef\xbb\xbf") == 0 ? 3 : 0;
    for (;;) {
        while (at < lower.size() && (lower[at] == ' ' || lower[at] == '\t' || lower[at] == '\r' ||
                                     lower[at] == '\n' || lower[at] == '\f')) {
            ++at;
        }
        if (lower.compare(at, 4, "<!--") != 0) break;
        const size_t end = lower.find("-->", at + 4);
        if (end == std::string::npos) return 0;
        at = end + 3;
    }
    if (lower.compare(at, 9, "<!doctype") != 0) return 0;
    const size_t close = lower.find('>', at);
    return close == std::string::npos ? 0 : close + 1;
}

}  // namespace

bool InjectScript(std::string& body, const std::string& script, bool playWave) {
    std::string lower = proxy::ToLower(body);
    if (lower.find("<html>") == std::string::npos && lower.find("<body") == std::string::npos) {
        size_t scr = lower.find("<scr");
        if (scr == std::string::npos || scr == 0 || lower[scr - 1] == '\'' || lower[scr - 1] == '"')
            return false;
    }
    if (script.empty()) return false;
    const size_t at = ScriptPosition(lower);
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
