#pragma once
// Names as the ANSI file calls reach them. On the NT family a file's name
// is Unicode, and the ANSI calls hand it over converted to the ANSI code
// page by best fit: a character with no ANSI form becomes a lookalike
// (U+FF0E a ".", U+FF3C a "\", "Č" a "C"), so the converted text may name
// another file or read as a path. Only a name that converts there and back
// unchanged names its own file; otherwise its 8.3 short name does (always
// ASCII), where the file system gave it one. On Windows 95, 98 and Me names
// are ANSI already and every name is its own.
#include <string>
#include <vector>

namespace files {

// The NT family: names are Unicode and are read through the wide calls.
// Decided once per process.
bool UnicodeNames();

// `wide` in the ANSI code page, when it converts there and back unchanged
// (no best-fit and no default character).
bool ExactAnsi(const std::wstring& wide, std::string& ansi);
// `wide` for a message: each character the ANSI code page cannot hold
// shown as its default character ("?"), never as a lookalike. Never for a
// file call.
std::string ShownAnsi(const std::wstring& wide);
// ANSI text widened (always exact).
std::wstring WideOf(const std::string& ansi);

// A name that may be joined onto a folder: not empty, and no "\", "/" or
// ":" in it, so it cannot reach outside that folder.
bool IsPlainName(const std::string& name);

// The ANSI spelling that names what lies at `widePath`: the path itself
// when it survives the code page, else its short form when that survives.
// False when no ANSI spelling reaches it (no short name on the way).
bool AnsiPathOf(const std::wstring& widePath, std::string& ansi);

// Paths read wide (a drop, a file dialog, a command line), each under the
// spelling that names it, in order; those no spelling reaches are kept
// apart, as shown, for the message that says so.
struct NamedPaths {
    std::vector<std::string> paths;
    std::vector<std::string> unnamed;
};
NamedPaths NamePaths(const std::vector<std::wstring>& widePaths);

// The process's command line after the program's name, read wide on the
// NT family; false where only the ANSI line exists (then use that).
bool WideCommandTail(std::wstring& tail);

}  // namespace files
