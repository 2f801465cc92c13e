#include "common/lang/profile_text.h"

#include <cstdint>

namespace lang {

namespace {

bool IsBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r') || c == '\x1a';
}

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// [begin, end) of `text` without the blanks at either end.
void Trim(const std::string& text, size_t& begin, size_t& end) {
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
}

// A name as the platform keeps it: everything up to a zero byte.
std::string CString(const std::string& text, size_t begin, size_t end) {
    std::string name = text.substr(begin, end - begin);
    const size_t zero = name.find('\0');
    if (zero != std::string::npos) name.erase(zero);
    return name;
}

// A name asked for, as the platform compares it: up to a zero byte,
// without the blanks at either end.
std::string Name(const std::string& asked) {
    const std::string name = CString(asked, 0, asked.size());
    size_t begin = 0;
    size_t end = name.size();
    Trim(name, begin, end);
    return name.substr(begin, end - begin);
}

// Whether [begin, end) of `text`, up to a zero byte, is `wanted` but for
// ASCII case.
bool SameName(const std::string& text, size_t begin, size_t end, const std::string& wanted) {
    size_t i = 0;
    for (; begin + i < end && text[begin + i] != '\0'; ++i) {
        if (i == wanted.size() || Lower(text[begin + i]) != Lower(wanted[i])) return false;
    }
    return i == wanted.size();
}

std::string Unquoted(std::string value) {
    if (value.size() >= 2 && (value[0] == '"' || value[0] == '\'') && value.back() == value[0])
        return value.substr(1, value.size() - 2);
    return value;
}

std::string Cut(std::string text, std::size_t bufferSize) {
    if (bufferSize == 0) return std::string();
    if (text.size() > bufferSize - 1) text.resize(bufferSize - 1);
    return text;
}

}  // namespace

bool FindProfileValue(const std::string& text, const std::string& section,
                      const std::string& key, std::string& value) {
    const std::string wantedSection = Name(section);
    const std::string wantedKey = Name(key);
    bool inSection = wantedSection.empty();  // keys ahead of every section line
    for (size_t next = 0; next < text.size();) {
        size_t begin = next;
        size_t end = text.find_first_of("\r\n", begin);
        if (end == std::string::npos) end = text.size();
        next = end + 1;
        Trim(text, begin, end);
        if (begin == end) continue;
        if (text[begin] == '[') {
            size_t close = end - 1;
            while (close > begin && text[close] != ']') --close;
            if (close > begin) {
                // Only the first section of the name counts.
                if (inSection) return false;
                size_t nameBegin = begin + 1;
                size_t nameEnd = close;
                Trim(text, nameBegin, nameEnd);
                inSection = SameName(text, nameBegin, nameEnd, wantedSection);
                continue;
            }
        }
        if (!inSection) continue;
        size_t equals = begin;
        while (equals < end && text[equals] != '=') ++equals;
        size_t nameEnd = equals;
        size_t nameBegin = begin;
        Trim(text, nameBegin, nameEnd);
        if (!SameName(text, nameBegin, nameEnd, wantedKey)) continue;
        if (equals == end) return false;
        size_t valueBegin = equals + 1;
        size_t valueEnd = end;
        Trim(text, valueBegin, valueEnd);
        value = Unquoted(CString(text, valueBegin, valueEnd));
        return true;
    }
    return false;
}

std::string ProfileValueText(const std::string& value) {
    if (value.empty()) return value;
    if (IsBlank(value.front()) || IsBlank(value.back()) || Unquoted(value).size() != value.size())
        return '"' + value + '"';
    return value;
}

std::string ProfileString(const std::string& text, const std::string& section,
                          const std::string& key, const std::string& def, std::size_t bufferSize) {
    std::string value;
    if (FindProfileValue(text, section, key, value)) return Cut(value, bufferSize);
    std::string fallback = CString(def, 0, def.size());
    while (!fallback.empty() && fallback.back() == ' ') fallback.pop_back();
    return Cut(Unquoted(fallback), bufferSize);
}

int ProfileInt(const std::string& text, const std::string& section, const std::string& key,
               int def) {
    const std::string value = ProfileString(text, section, key, "", 30);
    if (value.empty()) return def;
    size_t at = 0;
    while (at < value.size() && static_cast<unsigned char>(value[at]) <= ' ') ++at;
    bool negative = false;
    if (at < value.size() && (value[at] == '+' || value[at] == '-')) negative = value[at++] == '-';
    unsigned base = 10;
    if (at + 1 < value.size() && value[at] == '0') {
        const char prefix = value[at + 1];
        base = prefix == 'x' ? 16 : prefix == 'o' ? 8 : prefix == 'b' ? 2 : 10;
        if (base != 10) at += 2;
    }
    uint32_t number = 0;
    for (; at < value.size(); ++at) {
        const char c = value[at];
        unsigned digit = c >= '0' && c <= '9'   ? static_cast<unsigned>(c - '0')
                         : c >= 'a' && c <= 'z' ? static_cast<unsigned>(c - 'a' + 10)
                         : c >= 'A' && c <= 'Z' ? static_cast<unsigned>(c - 'A' + 10)
                                                : base;
        if (digit >= base) break;
        number = number * base + digit;
    }
    return static_cast<int>(negative ? 0u - number : number);
}

}  // namespace lang
