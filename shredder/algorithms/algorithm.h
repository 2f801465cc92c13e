#pragma once
// Overwrite algorithms: named lists of passes, each filling the pass buffer
// by complementing it, with random bytes or with a repeated pattern. The
// table's position is the algorithm's index everywhere (settings, task
// lines), so entries are only ever appended or removed by the editor.
#include <cstdint>
#include <string>
#include <vector>

namespace shredder {

enum class PassKind { Complement = 0, Random = 1, Pattern = 2 };

struct Pass {
    PassKind kind = PassKind::Pattern;
    std::vector<unsigned char> pattern;  // pattern passes only
};

struct Algorithm {
    std::string name;
    std::string description;
    std::vector<Pass> passes;
    bool custom = false;
};

using AlgorithmTable = std::vector<Algorithm>;

// Bounds on what a stored algorithm may ask for: the reader refuses one
// beyond them, and the editor never writes one.
constexpr uint32_t kMaxPasses = 1000;
constexpr uint32_t kPassBufferSize = 65536;
constexpr uint32_t kMaxPatternLength = kPassBufferSize;
// At least one pass (an algorithm without passes would delete without
// overwriting) and at most kMaxPasses.
inline bool PassCountAllowed(uint64_t count) { return count >= 1 && count <= kMaxPasses; }
inline bool PatternLengthAllowed(uint64_t length) { return length <= kMaxPatternLength; }

// Appends the five built-in algorithms, indexes 0 to 4.
void AddBuiltInAlgorithms(AlgorithmTable& table);
constexpr int kBuiltInCount = 5;

// Two upper-case hexadecimal digits.
std::string ByteToHex(unsigned char byte);
// " 0x" followed by the pattern's bytes as hexadecimal pairs.
std::string PatternText(const std::vector<unsigned char>& pattern);

}  // namespace shredder
