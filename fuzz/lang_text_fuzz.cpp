// Language-file lookups: an answer always comes from a line of exactly the
// asked key (key 2 never answers with key 20's text), fits the program's
// buffer, carries no line-break mark, and line ends of either kind read
// alike.
#include <set>

#include "common/lang/lang_file.h"
#include "common/lang/profile_text.h"
#include "fuzz/fuzz_check.h"

namespace {

const char kBlanks[] = " \t\n\v\f\r\x1a";

std::string Trimmed(const std::string& text) {
    const size_t begin = text.find_first_not_of(kBlanks);
    if (begin == std::string::npos) return std::string();
    return text.substr(begin, text.find_last_not_of(kBlanks) - begin + 1);
}

std::string UpToZero(const std::string& text) { return text.substr(0, text.find('\0')); }

// Every value some line gives `key`, whatever its section.
std::set<std::string> ValuesOfKey(const std::string& text, const std::string& key) {
    std::set<std::string> values;
    size_t at = 0;
    while (at <= text.size()) {
        size_t end = text.find_first_of("\r\n", at);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(at, end - at);
        at = end + 1;
        const size_t equals = line.find('=');
        if (equals == std::string::npos || UpToZero(Trimmed(line.substr(0, equals))) != key)
            continue;
        std::string value = UpToZero(Trimmed(line.substr(equals + 1)));
        if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
            value = value.substr(1, value.size() - 2);
        values.insert(value);
    }
    return values;
}

std::string LfOnly(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
        out += text[i];
    }
    return out;
}

const char* const kSections[] = {"VelmoraBlinkward", "Scourwell Language Pack", "Surgewind",
                                 "Brackwell Language Pack", ""};

const lang::LangParams* const kPrograms[] = {
    &lang::kHalvaneText, &lang::kHalvaneWizard, &lang::kHalvaneDialog,
    &lang::kVintabar,    &lang::kOrlenby,       &lang::kMirrowick,
    &lang::kPellidor,    &lang::kTessaline,     &lang::kQuarrow};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text = fuzz::Text(data, size);
    const std::string lfText = LfOnly(text);
    for (const char* key : {"2", "20", "9999", "99990"}) {
        const std::set<std::string> candidates = ValuesOfKey(text, key);
        for (const char* section : kSections) {
            std::string value;
            const bool found = lang::FindProfileValue(text, section, key, value);
            if (found) FUZZ_CHECK(candidates.count(value) == 1);
            std::string again;
            FUZZ_CHECK(lang::FindProfileValue(lfText, section, key, again) == found);
            FUZZ_CHECK(again == value);
        }
        for (const lang::LangParams* params : kPrograms) {
            const std::string shown = lang::LangText(text, *params, key, "English#text");
            FUZZ_CHECK(shown.size() < params->bufferSize);
            if (params->lineBreak) FUZZ_CHECK(shown.find(params->lineBreak) == std::string::npos);
        }
    }
    return 0;
}
