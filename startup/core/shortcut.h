#pragma once
// Shortcut files through the shell's link object. The calling thread must
// have COM started.
#include <string>

namespace startup {

// Points the shortcut at `path` to `target`, creating it when missing; an
// existing shortcut keeps its arguments, working folder, icon, hot key and
// window state. False when the shell refused or a file at `path` is no
// shortcut (it stays as it is).
bool MakeShortcut(const std::string& path, const std::string& target);
// The target path of a shortcut; "" when the file cannot be read as one.
std::string ReadShortcutTarget(const std::string& path);
// A task name that can stand as a shortcut's file name in its folder: no
// path separators, wildcards or "..".
bool ValidShortcutName(const std::string& name);
// The task name a Startup-folder file is listed under: its name less the
// last four characters, when ".lnk" (in any letter case: a short name is
// upper case) stands in it after the first character; "" for other files.
std::string ShortcutTaskName(const std::string& fileName);

}  // namespace startup
