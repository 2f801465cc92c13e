#pragma once
// Shortcut files through the shell's link object. The calling thread must
// have COM started.
#include <string>

namespace startup {

// Creates or replaces the shortcut at `path` pointing at `target`; only the
// target path is set. False when the shell refused.
bool MakeShortcut(const std::string& path, const std::string& target);
// The target path of a shortcut; "" when the file cannot be read as one.
std::string ReadShortcutTarget(const std::string& path);

}  // namespace startup
