// The tuning wizard's values: stored values read back as numbers without
// overflow, typed values are corrected above their floors, the receive
// window stays within its bounds, and Back undoes Next on every page.
#include <cstring>

#include "fuzz/fuzz_check.h"
#include "tuning/model/registry.h"
#include "tuning/model/settings_store.h"
#include "tuning/model/tuning_rules.h"

namespace {

int32_t TakeInt(const std::string& text, size_t& at) {
    uint32_t raw = 0;
    for (int i = 0; i < 4; ++i, ++at)
        if (at < text.size()) raw |= uint32_t(static_cast<unsigned char>(text[at])) << (8 * i);
    int32_t value;
    std::memcpy(&value, &raw, sizeof value);
    return value;
}

// The pages a run can show, from the first: Back leads to where Next came
// from, and Finish shows on the last page only.
void CheckPages(tuning::Family family, bool modem) {
    int steps = 0;
    for (int page = tuning::kConnectionPage; page >= 0; ++steps) {
        FUZZ_CHECK(steps < tuning::kPageCount);
        const int next = tuning::NextPage(page, family, modem);
        FUZZ_CHECK(next == -1 || (next > page && next < tuning::kPageCount));
        if (next >= 0) FUZZ_CHECK(tuning::BackPage(next, family, modem) == page);
        const int buttons = tuning::ButtonsFor(page, family, modem);
        FUZZ_CHECK(((buttons & tuning::kFinish) != 0) == (next < 0 && page != 0));
        page = next;
    }
}

}  // namespace

// Bytes: connection type, family and modem flags, then the typed MSS, a
// multiplier and an edited value as 4-byte numbers, then a stored value's
// type byte and its data.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text = fuzz::Text(data, size);
    size_t at = 0;
    const unsigned char flags = at < text.size() ? static_cast<unsigned char>(text[at++]) : 0;
    const tuning::Family family = (flags & 4) ? tuning::Family::NT : tuning::Family::Win9x;
    tuning::TuningSettings s;
    s.connection = static_cast<tuning::ConnectionType>(flags & 3);
    tuning::SetDefaults(s, family);
    tuning::RecommendMtu(s);
    FUZZ_CHECK(s.mss.chosen > 0 && s.mss.chosen < s.mtu.chosen);
    CheckPages(family, (flags & 8) != 0);

    s.mss.chosen = TakeInt(text, at);
    tuning::RecommendRwin(s);
    FUZZ_CHECK(s.rwin.recommended <= tuning::kMaxRwin);
    FUZZ_CHECK(s.rwin.recommended == tuning::kMaxRwin ||
               tuning::RwinInRange(s.rwin.recommended, s.mss.chosen));
    const int multiplier = TakeInt(text, at);
    const int recommended = s.rwin.recommended;
    if (tuning::AcceptMultiplier(multiplier, s)) {
        FUZZ_CHECK(s.rwin.chosen == tuning::ComputeRwin(s.mss.chosen, multiplier));
        FUZZ_CHECK(s.rwin.chosen >= s.mss.chosen && s.rwin.chosen <= tuning::kMaxRwin);
    } else {
        FUZZ_CHECK(s.rwin.chosen == recommended);
    }

    const int typed = TakeInt(text, at);
    const tuning::Edit edit = static_cast<tuning::Edit>((flags >> 4) % 7);
    const int corrected = tuning::CorrectEdit(edit, typed, s);
    FUZZ_CHECK(corrected == typed || typed <= 3);

    tuning::RegValue value;
    value.type = at < text.size() ? static_cast<unsigned char>(text[at++]) % 5 : 0;
    value.data = at < text.size() ? text.substr(at) : std::string();
    std::string stored;
    if (tuning::AsText(value, stored)) {
        FUZZ_CHECK(stored.find('\0') == std::string::npos && stored.size() <= value.data.size());
        const int number = tuning::LeadingNumber(stored);
        FUZZ_CHECK(number >= 0);
        if (!stored.empty() && stored.size() <= 9 &&
            stored.find_first_not_of("0123456789") == std::string::npos)
            FUZZ_CHECK(number == std::stoi(stored));
    }
    uint32_t dword = 0;
    if (tuning::AsDword(value, dword)) {
        FUZZ_CHECK(value.data.size() == 4);
        tuning::AsDword(tuning::DwordValue(dword), dword);
        FUZZ_CHECK(tuning::DwordValue(dword).data == value.data);
    }
    return 0;
}
