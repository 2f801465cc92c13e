#pragma once
// The 64 KB buffer one pass writes over every block of its target, and the
// random bytes that fill it. Filled once per pass, so a random pass writes
// the same 64 KB of random data over each block.
#include <cstdint>
#include <vector>

#include "shredder/algorithms/algorithm.h"

namespace shredder {

// The runtime's pseudo-random generator by default; tests fix the bytes.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Seeds from the clock (called as each target starts).
    virtual void Reseed() = 0;
    virtual unsigned Next() = 0;
};

class RuntimeRandom : public RandomSource {
public:
    void Reseed() override;
    unsigned Next() override;
};

class PassBuffer {
public:
    PassBuffer() : bytes_(kPassBufferSize, 0) {}

    // Prepares the buffer for one pass: a pattern repeated from the first
    // byte (no pattern: zeros), random bytes, or the complement of what the
    // buffer holds.
    void FillPassBuffer(const Pass& pass, RandomSource& random);
    void Zero();

    const unsigned char* data() const { return bytes_.data(); }
    uint32_t size() const { return kPassBufferSize; }
    unsigned char operator[](size_t i) const { return bytes_[i]; }

private:
    std::vector<unsigned char> bytes_;
};

}  // namespace shredder
