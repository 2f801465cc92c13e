#pragma once
// The privacy program's line reader and editors for section-structured text
// files (language files, prefs.js, opera6.ini): find lines by section and
// prefix, replace, insert or remove one line. The text forms need no
// platform; the file forms rewrite through a temporary file that replaces
// the old one only once it is complete. Every line keeps its own line end.
#include <string>
#include <vector>

namespace privacy {

// Where the lines are looked for. An empty text means "not used".
struct IniSection {
    std::string sectionLine;  // e.g. "[Proxy]"; empty: the whole file
    std::string sectionMark;  // "[" wherever a section is used
    std::string skipPrefix;   // comment lines (";", "//"), never matched
    bool normalise = false;   // compare NormaliseLine copies
};

// A bracketed section such as "[Proxy]", ";" comment lines, lines compared
// normalised: the layout of opera6.ini and of the language files.
IniSection BracketedSection(const std::string& sectionLine);

// Lines of the section that start with `linePrefix` (any case) and differ
// from `endLine`, in file order; a repeated section line re-enters it.
std::vector<std::string> CollectIniLines(const std::string& text, const IniSection& where,
                                         const std::string& linePrefix,
                                         const std::string& endLine);
// `text` with the first line of the section equal to `matchLine` (any case,
// compared normalised when asked) replaced by `newLine`.
std::string ReplaceIniLineText(const std::string& text, const IniSection& where,
                               const std::string& matchLine, const std::string& newLine);
// `text` without the first line of the section equal to `matchLine`.
std::string RemoveIniLineText(const std::string& text, const IniSection& where,
                              const std::string& matchLine);
// `text` with `newLine` as the first line of the section (behind any comment
// lines that follow the section line). A section that is missing is added
// at the end with the line; with no section line the line goes at the end.
std::string InsertIniLineText(const std::string& text, const IniSection& where,
                              const std::string& newLine);

// The file forms: an unreadable file gives no lines and is never written.
// The editors return false when the file was left as it was for a failure.
std::vector<std::string> ReadIniSection(const std::string& path, const IniSection& where,
                                        const std::string& linePrefix,
                                        const std::string& endLine);
bool ReplaceIniLine(const std::string& path, const IniSection& where,
                    const std::string& matchLine, const std::string& newLine);
bool InsertIniLine(const std::string& path, const IniSection& where, const std::string& newLine);

// The first line starting with `prefix` is replaced by `newLine`, or
// `newLine` is inserted when there is none. False when the file is missing
// or could not be written.
bool SetIniLine(const std::string& path, const IniSection& where, const std::string& prefix,
                const std::string& newLine);
// The first line starting with `prefix` goes. False when it was there and
// the file could not be written.
bool RemoveIniLine(const std::string& path, const IniSection& where, const std::string& prefix);

}  // namespace privacy
