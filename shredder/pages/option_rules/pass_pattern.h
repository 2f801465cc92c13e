#pragma once
// The algorithm editor's pass texts: a pattern shown as two-digit
// hexadecimal groups ("AA 12 BB"), the two fixed texts of random and
// complement passes, and the bytes a row stands for (byte 0 rightmost).
#include <string>
#include <vector>

#include "shredder/algorithms/algorithm.h"

namespace shredder {

extern const char kRandomPassText[];      // "Write random data."
extern const char kComplementPassText[];  // "Write complementary to previous pass pattern."

// The pattern edit's text as a row shows it: blanks dropped, a "0" put in
// front of an odd number of digits, groups of two joined by single blanks.
// Other characters are kept (Save refuses them).
std::string FormatPattern(const std::string& text);
// The row's digits without blanks, as the pattern edit shows them.
std::string PatternDigits(const std::string& row);

// What a row holds: random, complement, or a pattern.
PassKind RowKind(const std::string& row);
// A pattern row that Save accepts: at least one digit, and only 0-9, A-F,
// a-f and blanks.
bool IsValidPatternRow(const std::string& row);
// The row's bytes: byte k is the k-th pair of digits counted from the
// right (a lone leading digit counts as its own pair).
std::vector<unsigned char> PatternBytes(const std::string& row);
// A stored pattern as its row text (byte 0 rightmost).
std::string PatternRow(const std::vector<unsigned char>& pattern);

// The row text of a pass, and the pass a row stands for.
std::string PassRow(const Pass& pass);
Pass RowPass(const std::string& row);

}  // namespace shredder
