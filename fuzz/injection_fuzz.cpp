// Injection: the script stands before anything of the page's own (at most
// a doctype and what may precede it stand in front), and the page is
// otherwise unchanged but for at most one sound element.
#include "fuzz/fuzz_check.h"
#include "popup/engine/injection.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    const bool sound = data[0] & 1;
    const std::string page = fuzz::Text(data + 1, size - 1);
    const std::string script = "<script>blocker()</script>";
    std::string body = page;
    if (!popup::InjectScript(body, script, sound)) {
        FUZZ_CHECK(body == page);
        return 0;
    }
    const size_t at = body.find(script);
    FUZZ_CHECK(at != std::string::npos && body.compare(0, at, page, 0, at) == 0);
    FUZZ_CHECK(at == 0 || body[at - 1] == '>');
    const std::string rest = body.substr(0, at) + body.substr(at + script.size());
    const std::string element = popup::kSoundElement;
    FUZZ_CHECK(rest == page || (sound && rest.size() == page.size() + element.size() &&
                                rest.find(element) != std::string::npos));
    return 0;
}
