#pragma once
// A value of a program file's version block, from its US English string
// table ("040904b0"): FileVersion, LegalCopyright and the like.
#include <string>

namespace ui {

// "" when the file has no version block or the value is missing or empty.
std::string GetVersionString(const std::string& file, const std::string& name);

}  // namespace ui
