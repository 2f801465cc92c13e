// Overwrite passes: a pattern of any length fills the whole pass buffer
// from its first byte, a complement pass undoes itself, and the pattern's
// text shows every byte.
#include "fuzz/fuzz_check.h"
#include "shredder/algorithms/pass_buffer.h"

namespace {

class FixedRandom : public shredder::RandomSource {
public:
    void Reseed() override { next_ = 0; }
    unsigned Next() override { return next_ = next_ * 1103515245u + 12345u; }

private:
    unsigned next_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size > shredder::kMaxPatternLength) return 0;
    shredder::Pass pattern{shredder::PassKind::Pattern, std::vector<unsigned char>(data, data + size)};
    FixedRandom random;
    shredder::PassBuffer buffer;
    buffer.FillPassBuffer(pattern, random);
    for (uint32_t i = 0; i < buffer.size(); ++i)
        FUZZ_CHECK(buffer[i] == (size ? data[i % size] : 0));

    const shredder::Pass complement{shredder::PassKind::Complement, {}};
    buffer.FillPassBuffer(complement, random);
    FUZZ_CHECK(buffer[buffer.size() - 1] == static_cast<unsigned char>(~(size ? data[(buffer.size() - 1) % size] : 0)));
    buffer.FillPassBuffer(complement, random);
    for (uint32_t i = 0; i < buffer.size(); ++i)
        FUZZ_CHECK(buffer[i] == (size ? data[i % size] : 0));

    const std::string text = shredder::PatternText(pattern.pattern);
    FUZZ_CHECK(text.size() == 3 + 2 * size);
    for (size_t i = 0; i < size; ++i) {
        const std::string hex = text.substr(3 + 2 * i, 2);
        FUZZ_CHECK(std::stoul(hex, nullptr, 16) == data[i]);
    }
    return 0;
}
