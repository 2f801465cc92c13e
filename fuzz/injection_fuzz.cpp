// Injection: the script stands first, the page follows unchanged but for
// at most one sound element.
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
    FUZZ_CHECK(body.compare(0, script.size(), script) == 0);
    const std::string rest = body.substr(script.size());
    const std::string element = popup::kSoundElement;
    FUZZ_CHECK(rest == page || (sound && rest.size() == page.size() + element.size() &&
                                rest.find(element) != std::string::npos));
    return 0;
}
