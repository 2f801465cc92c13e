#pragma once
// Reads and writes of ini files (win.ini) through the system's private
// profile calls.
#include <string>

namespace startup {

// The whole value ("" when missing); a value shorter than two characters
// reads as "".
std::string ReadIniString(const std::string& section, const std::string& key,
                          const std::string& file);
// The key stays, with nothing after "=". False when the write failed.
bool ClearIniKey(const std::string& section, const std::string& key, const std::string& file);
bool WriteIniString(const std::string& section, const std::string& key, const std::string& value,
                    const std::string& file);

}  // namespace startup
