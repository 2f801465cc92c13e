#include "common/browser/text_lines.h"

#include <algorithm>
#include <cctype>

namespace browser {
namespace {

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

std::string LowerCopy(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), Lower);
    return text;
}

}  // namespace

std::vector<TextLine> SplitLines(const std::string& bytes) {
    std::vector<TextLine> lines;
    size_t start = 0;
    while (start < bytes.size()) {
        size_t lf = bytes.find('\n', start);
        if (lf == std::string::npos) {
            // A carriage return that ends the file ends its last line.
            const bool cr = bytes.back() == '\r';
            lines.push_back({bytes.substr(start, bytes.size() - start - (cr ? 1 : 0)), cr ? "\r" : ""});
            break;
        }
        size_t end = (lf > start && bytes[lf - 1] == '\r') ? lf - 1 : lf;
        lines.push_back({bytes.substr(start, end - start), bytes.substr(end, lf + 1 - end)});
        start = lf + 1;
    }
    return lines;
}

void EndLine(TextLine& line, const std::string& eol) {
    if (line.eol.empty() || line.eol == "\r") line.eol = eol;
}

std::string JoinLines(const std::vector<TextLine>& lines) {
    std::string bytes;
    for (const TextLine& line : lines) bytes += line.text + line.eol;
    return bytes;
}

std::string FileLineEnd(const std::string& bytes) {
    size_t lf = bytes.find('\n');
    return (lf != std::string::npos && lf > 0 && bytes[lf - 1] == '\r') ? "\r\n" : "\n";
}

std::string ReplaceAll(std::string text, const std::string& token, const std::string& with) {
    for (size_t at = text.find(token); at != std::string::npos;
         at = text.find(token, at + with.size()))
        text.replace(at, token.size(), with);
    return text;
}

bool EqualsNoCase(const std::string& a, const std::string& b) {
    return LowerCopy(a) == LowerCopy(b);
}

bool EndsWithNoCase(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           EqualsNoCase(text.substr(text.size() - tail.size()), tail);
}

bool ContainsNoCase(const std::string& text, const std::string& part) {
    return LowerCopy(text).find(LowerCopy(part)) != std::string::npos;
}

std::string TrimSpaces(const std::string& text) {
    size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return "";
    size_t last = text.find_last_not_of(" \t");
    return text.substr(first, last + 1 - first);
}

}  // namespace browser
