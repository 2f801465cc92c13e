#include "privacy/core/text_routines.h"

#include <climits>
#include <cstdio>

namespace privacy {
namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f'; }

std::string TrimRight(const std::string& text) {
    size_t end = text.size();
    while (end > 0 && IsBlank(text[end - 1])) --end;
    return text.substr(0, end);
}

std::string TrimLeft(const std::string& text) {
    size_t start = 0;
    while (start < text.size() && IsBlank(text[start])) ++start;
    return text.substr(start);
}

}  // namespace

bool StartsWithNoCase(const std::string& prefix, const std::string& text) {
    if (text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i)
        if (Lower(text[i]) != Lower(prefix[i])) return false;
    return true;
}

bool EqualsNoCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && StartsWithNoCase(a, b);
}

std::string NormaliseLine(std::string line) {
    line = TrimLeft(TrimRight(line));
    size_t equals = line.find('=');
    if (equals != std::string::npos && equals != 0 && equals + 1 != line.size())
        line = TrimRight(line.substr(0, equals)) + "=" + TrimLeft(line.substr(equals + 1));
    if (line.size() < 3 || line[0] == '[') return line;
    std::string out;
    for (size_t i = 0; i < line.size(); ++i) {
        char c = line[i];
        if (c == ' ' || c == '\t') {
            // A blank run that touches a comma on either side disappears.
            size_t end = i;
            while (end < line.size() && (line[end] == ' ' || line[end] == '\t')) ++end;
            bool afterComma = !out.empty() && out.back() == ',';
            bool beforeComma = end < line.size() && line[end] == ',';
            if (!afterComma && !beforeComma) out.append(line, i, end - i);
            i = end - 1;
            continue;
        }
        out += c;
    }
    return out;
}

int StringToInt(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && IsBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
    }
    if (negative) value = -value;
    if (value > INT_MAX) return INT_MAX;
    if (value < INT_MIN) return INT_MIN;
    return static_cast<int>(value);
}

std::string IntToString(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", value);
    return text;
}

std::string ParentFolder(const std::string& path) {
    std::string trimmed = path;
    if (!trimmed.empty() && (trimmed.back() == '\\' || trimmed.back() == '/')) trimmed.pop_back();
    size_t at = trimmed.rfind('\\');
    if (at == std::string::npos) at = trimmed.rfind('/');
    return at == std::string::npos ? std::string() : trimmed.substr(0, at);
}

}  // namespace privacy
