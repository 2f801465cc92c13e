#pragma once
// Which cached files the Trace page refuses to open: a site chooses the name
// and type of what lands in the browser's cache, and opening a file whose
// type the system runs (a program, script, shortcut, installer, registry or
// setup file, HTML application) would run the site's code with the user's
// rights. The one list of those types lives here.
#include <string>

namespace privacy {

// Whether opening `path` with the shell would run code: decided by its
// extension (the text after the last "." of its name, any case), where
// trailing dots and blanks, which the system drops from a name, do not
// count, and a class id in braces as extension (which the shell opens with
// that class) runs code too.
bool OpeningRunsCode(const std::string& path);

}  // namespace privacy
