#pragma once
// Line-level handling of the browsers' text settings files: each line keeps
// its own line end so a rewrite changes only the lines it means to.
#include <string>
#include <vector>

namespace browser {

struct TextLine {
    std::string text;  // without its line end
    std::string eol;   // "\r\n", "\n"; for the last line also "" or a lone "\r"
};

std::vector<TextLine> SplitLines(const std::string& bytes);
std::string JoinLines(const std::vector<TextLine>& lines);
// Gives `line` the line end `eol` when it has none a reader would see (the
// last line of a file may end without one, or in a lone carriage return),
// so a line put behind it stays a line of its own.
void EndLine(TextLine& line, const std::string& eol);

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
