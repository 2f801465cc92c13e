#pragma once
// The user's language choice, kept per user where the program has always
// kept it: HKCU "Software\VB and VBA Program Settings\Brackwell\Language",
// value "Name" (a file name in the Lang folder, "English.ini").
#include <string>

namespace startup {

// "" when never saved.
std::string ReadLanguageSetting();
bool WriteLanguageSetting(const std::string& file);

}  // namespace startup
