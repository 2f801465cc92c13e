// Injection: the script stands before anything of the page's own (at most
// a doctype and what may precede it stand in front), and the page is
// otherwise unchanged but for at most one sound element.
#include "fuzz/fuzz_check.h"
#include "popup/engine/injection.h"

namespace {

// A script whose text the page cannot hold, so the one found is the one
// put in: its mark is absent from the page and holds no '<' or '>', so no
// copy can begin in the page or run on into it.
std::string ScriptFor(const std::string& page) {
    std::string mark;
    for (unsigned n = 0;; ++n) {
        mark = "blocker" + std::to_string(n);
        if (page.find(mark) == std::string::npos) break;
    }
    return "<script>" + mark + "()</script>";
}

// True when `text` is `page` with one `element` put in somewhere.
bool PageWithElement(const std::string& text, const std::string& page, const std::string& element) {
    if (text.size() != page.size() + element.size()) return false;
    size_t differ = 0;
    while (differ < page.size() && text[differ] == page[differ]) ++differ;
    for (size_t at = differ >= element.size() ? differ - element.size() : 0; at <= differ; ++at) {
        if (text.compare(at, element.size(), element) == 0 &&
            text.compare(0, at, page, 0, at) == 0 && text.compare(at + element.size(), std::string::npos, page, at) == 0)
            return true;
    }
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const bool sound = data[0] & 1;
    const std::string page = fuzz::Text(data + 1, size - 1);
    const std::string script = ScriptFor(page);
    std::string body = page;
    if (!popup::InjectScript(body, script, sound)) {
        FUZZ_CHECK(body == page);
        return 0;
    }
    // The script whole, once, and the rest the page (with the sound element).
    const size_t at = body.find(script);
    FUZZ_CHECK(at != std::string::npos);
    const std::string rest = body.substr(0, at) + body.substr(at + script.size());
    const std::string element = popup::kSoundElement;
    FUZZ_CHECK(rest == page || (sound && PageWithElement(rest, page, element)));
    // In front of it only a whole tag-like run of the page: nothing of its text.
    FUZZ_CHECK(at == 0 || body[at - 1] == '>');
    return 0;
}
