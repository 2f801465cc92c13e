#pragma once
// Line-level handling of the browsers' text settings files: each line keeps
// its own line end so a rewrite changes only the lines it means to.
#include <string>
#include <vector>

namespace browser {

struct TextLine {
    std::string text;  // without its line end
    std::string eol;   // "\r\n", "\n" or "" (last line without an end)
};

std::vector<TextLine> SplitLines(const std::string& bytes);
std::string JoinLines(const std::vector<TextLine>& lines);

// The line end the file already uses: "\r\n" when its first line ends so,
// "\n" otherwise (and for a file without any line end).
std::string FileLineEnd(const std::string& bytes);

// `text` with every "%s1"-style token replaced.
std::string ReplaceAll(std::string text, const std::string& token, const std::string& with);

bool EqualsNoCase(const std::string& a, const std::string& b);
bool EndsWithNoCase(const std::string& text, const std::string& tail);
bool ContainsNoCase(const std::string& text, const std::string& part);

std::string TrimSpaces(const std::string& text);

}  // namespace browser
