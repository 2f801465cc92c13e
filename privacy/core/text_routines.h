#pragma once
// Small text routines of the privacy program: prefix tests, the line
// normalisation its section-file reader applies, numbers as text and the
// parent of a path. No platform calls.
#include <string>

namespace privacy {

// False when `text` is shorter than `prefix`; else whether it starts with
// it, ignoring the case of ASCII letters.
bool StartsWithNoCase(const std::string& prefix, const std::string& text);
bool EqualsNoCase(const std::string& a, const std::string& b);

// Trims blanks at both ends and around the first "=" (when it is neither
// the first nor the last character); then, unless the line starts with "["
// or is shorter than 3 characters, removes every blank next to a comma.
std::string NormaliseLine(std::string line);

// Decimal value: leading blanks and a sign accepted, stops at the first
// non-digit; 0 when there is no digit; saturates at the int range.
int StringToInt(const std::string& text);
std::string IntToString(int value);

// The text before the last "\" (or, when there is none, the last "/"); a
// separator that ends the path does not count; "" when there is none.
std::string ParentFolder(const std::string& path);

}  // namespace privacy
