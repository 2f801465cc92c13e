#pragma once
// Lookups in the text of a private-profile file ("[section]" lines opening
// sections, "key=value" lines), answered as the platform's profile reads
// answer them but without a Windows call, so language files and the popup
// blocker's settings file can be read, tested and fuzzed as plain text.
#include <cstddef>
#include <string>

namespace lang {

// The value of `key` in the first section named `section`: names compare
// without regard to ASCII case, blanks around names and values are dropped,
// one pair of matching quotes around a value is removed, and names and
// values end at a zero byte. Lines end at a line feed or a carriage return.
// False when the section, the key or its "=" is missing.
bool FindProfileValue(const std::string& text, const std::string& section,
                      const std::string& key, std::string& value);

// What to write for `value` so it reads back as itself: the value as it is,
// or between double quotes when it begins or ends with a blank or stands
// between a pair of matching quotes. A line end or zero byte in it cannot
// be kept.
std::string ProfileValueText(const std::string& value);

// The value, or `def` without its trailing blanks when it is missing; either
// is cut to bufferSize - 1 characters (a bufferSize of 0 gives "").
std::string ProfileString(const std::string& text, const std::string& section,
                          const std::string& key, const std::string& def, std::size_t bufferSize);

// The value read as an integer: `def` when it is missing or empty, else the
// number its first 29 characters begin with after blanks, an optional sign
// and an optional "0x", "0o" or "0b" base prefix (0 when no digit follows;
// wider numbers wrap to 32 bits).
int ProfileInt(const std::string& text, const std::string& section, const std::string& key,
               int def);

}  // namespace lang
