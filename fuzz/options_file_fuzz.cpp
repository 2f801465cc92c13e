// "Options.opt": whatever loads (whole or up to its damage) saves to bytes
// that load whole to the same settings, and saving those gives the same
// bytes again.
#include "fuzz/fuzz_check.h"
#include "privacy/core/options_file.h"

namespace {

bool SameOptions(const privacy::BlockingOptions& a, const privacy::BlockingOptions& b) {
    return a.hub == b.hub && a.wholeSite == b.wholeSite && a.images == b.images &&
           a.popups == b.popups && a.cookie == b.cookie && a.referer == b.referer &&
           a.userAgent == b.userAgent;
}

bool SameRecord(const privacy::CSiteRecord& a, const privacy::CSiteRecord& b) {
    return a.hidden == b.hidden && a.host == b.host && a.lastAccess == b.lastAccess &&
           a.hits == b.hits && a.useDefaults == b.useDefaults && a.hub == b.hub &&
           a.wholeSite == b.wholeSite && a.images == b.images && a.popups == b.popups &&
           a.userInfo == b.userInfo;
}

bool SameSettings(const privacy::PrivacySettings& a, const privacy::PrivacySettings& b) {
    if (a.browserIE != b.browserIE || a.browserNetscape != b.browserNetscape ||
        a.browserOpera != b.browserOpera || a.language != b.language ||
        !SameOptions(a.defaults, b.defaults) || a.sites.size() != b.sites.size())
        return false;
    for (int i = 0; i < 6; ++i)
        if (a.wipe[i] != b.wipe[i]) return false;
    for (size_t i = 0; i < a.sites.size(); ++i)
        if (!SameRecord(a.sites[i], b.sites[i])) return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes = fuzz::Text(data, size);
    privacy::PrivacySettings loaded;
    const bool whole = privacy::ReadOptions(bytes, loaded);
    // A file that loads whole holds at least its header of fourteen integers, the count
    // and a language; records come in at 37 bytes or more each.
    if (whole) FUZZ_CHECK(size >= 57 + 37 * loaded.sites.size());
    FUZZ_CHECK(loaded.sites.size() <= size / 37);

    const std::string saved = privacy::WriteOptions(loaded);
    privacy::PrivacySettings again;
    FUZZ_CHECK(privacy::ReadOptions(saved, again));
    FUZZ_CHECK(SameSettings(loaded, again));
    FUZZ_CHECK(privacy::WriteOptions(again) == saved);
    // Lengths are written in their shortest form, so a whole file never
    // grows when saved back.
    if (whole) FUZZ_CHECK(saved.size() <= bytes.size());
    return 0;
}
