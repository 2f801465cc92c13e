// A stored custom algorithm: what is read matches what is stored (its
// count, each kind, each pattern byte as the low byte of its number), and
// the reader never asks for a pass or a byte beyond the stored counts.
//
// Input: one value a line, "<subkey>|<name>=<value>"; "#<decimal>" is a
// number, anything else a text. A later line replaces an earlier one.
#include <cstdlib>
#include <map>
#include <utility>

#include "fuzz/fuzz_check.h"
#include "shredder/algorithms/stored_algorithm.h"

namespace {

struct Value {
    bool number = false;
    uint32_t n = 0;
    std::string text;
};

using Key = std::pair<std::string, std::string>;  // subkey, value name

bool ParseNumber(const std::string& text, uint32_t& n) {
    if (text.size() < 2 || text.size() > 11 || text[0] != '#') return false;
    uint64_t value = 0;
    for (size_t i = 1; i < text.size(); ++i) {
        if (text[i] < '0' || text[i] > '9') return false;
        value = value * 10 + static_cast<unsigned>(text[i] - '0');
    }
    if (value > 0xFFFFFFFFu) return false;
    n = static_cast<uint32_t>(value);
    return true;
}

std::map<Key, Value> ParseStore(const std::string& text) {
    std::map<Key, Value> store;
    size_t at = 0;
    while (at < text.size()) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(at, end - at);
        at = end + 1;
        const size_t bar = line.find('|');
        const size_t equals = line.find('=', bar == std::string::npos ? 0 : bar);
        if (bar == std::string::npos || equals == std::string::npos) continue;
        Value value;
        value.text = line.substr(equals + 1);
        value.number = ParseNumber(value.text, value.n);
        store[{line.substr(0, bar), line.substr(bar + 1, equals - bar - 1)}] = value;
    }
    return store;
}

// Answers from the parsed store and checks each question against what was
// answered before it.
class FakeValues : public shredder::StoredValues {
public:
    explicit FakeValues(std::map<Key, Value> store) : store_(std::move(store)) {}

    bool ReadText(const std::string& subkey, const char* name, std::string& value,
                  std::size_t bufferSize) override {
        CheckAsked(subkey, name);
        const Value* found = Find(subkey, name);
        if (!found || found->number || found->text.size() >= bufferSize) return false;
        value = found->text;
        return true;
    }
    bool ReadNumber(const std::string& subkey, const char* name, uint32_t& value) override {
        CheckAsked(subkey, name);
        const Value* found = Find(subkey, name);
        if (!found || !found->number) return false;
        value = found->n;
        if (subkey.empty() && std::string(name) == "PassesCount") passes_ = value;
        if (std::string(name) == "Pattern Length") lengths_[subkey] = value;
        return true;
    }
    const Value* Find(const std::string& subkey, const std::string& name) const {
        auto it = store_.find({subkey, name});
        return it == store_.end() ? nullptr : &it->second;
    }

private:
    void CheckAsked(const std::string& subkey, const std::string& name) {
        if (subkey.empty()) return;
        FUZZ_CHECK(subkey.compare(0, 5, "Pass ") == 0);
        FUZZ_CHECK(std::strtoul(subkey.c_str() + 5, nullptr, 10) < passes_);
        if (name.compare(0, 5, "Byte ") != 0) return;
        auto length = lengths_.find(subkey);
        FUZZ_CHECK(length != lengths_.end());
        FUZZ_CHECK(std::strtoul(name.c_str() + 5, nullptr, 10) < length->second);
    }

    std::map<Key, Value> store_;
    uint32_t passes_ = 0;
    std::map<std::string, uint32_t> lengths_;
};

const char* KindText(shredder::PassKind kind) {
    switch (kind) {
        case shredder::PassKind::Random: return "Random";
        case shredder::PassKind::Complement: return "Complement";
        case shredder::PassKind::Pattern: return "Pattern";
    }
    return "";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FakeValues values(ParseStore(fuzz::Text(data, size)));
    shredder::Algorithm algorithm;
    if (!shredder::ReadStoredAlgorithm("name", values, algorithm)) return 0;

    FUZZ_CHECK(algorithm.custom && algorithm.name == "name");
    FUZZ_CHECK(algorithm.description == values.Find("", "Description")->text);
    FUZZ_CHECK(algorithm.description.size() < shredder::kDescriptionBuffer);
    const uint32_t count = values.Find("", "PassesCount")->n;
    FUZZ_CHECK(count >= 1 && count <= shredder::kMaxPasses && algorithm.passes.size() == count);
    for (uint32_t i = 0; i < count; ++i) {
        const shredder::Pass& pass = algorithm.passes[i];
        const std::string key = "Pass " + std::to_string(i);
        FUZZ_CHECK(values.Find(key, "write")->text == KindText(pass.kind));
        if (pass.kind != shredder::PassKind::Pattern) {
            FUZZ_CHECK(pass.pattern.empty());
            continue;
        }
        FUZZ_CHECK(pass.pattern.size() == values.Find(key, "Pattern Length")->n);
        for (size_t b = 0; b < pass.pattern.size(); ++b)
            FUZZ_CHECK(pass.pattern[b] == (values.Find(key, "Byte " + std::to_string(b))->n & 0xFF));
    }
    return 0;
}
