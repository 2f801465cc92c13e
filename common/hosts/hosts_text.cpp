#include "common/hosts/hosts_text.h"

#include <cctype>
#include <vector>

namespace hosts {

const char kCreatedByLine[] = "// Created By Velmora Blinkward.\n";

namespace {

const std::size_t kMaxLine = 519;
const std::size_t kMaxHost = 255;
const char kBlockStart[] = "# Velmora Blinkward ad block: start";
const char kBlockEnd[] = "# Velmora Blinkward ad block: end";

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string Lower(std::string text) {
    for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The text cut into lines that keep their own line ends, so that untouched
// lines are written back byte for byte.
std::vector<std::string> RawLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        end = end == std::string::npos ? text.size() : end + 1;
        lines.push_back(text.substr(start, end - start));
        start = end;
    }
    return lines;
}

bool IsLine(const std::string& raw, const char* marker) {
    std::size_t end = raw.size();
    while (end > 0 && (raw[end - 1] == '\n' || raw[end - 1] == '\r')) --end;
    return raw.compare(0, end, marker) == 0 && end == std::string(marker).size();
}

void EndLine(std::string& text) {
    if (!text.empty() && text.back() != '\n') text += '\n';
}

}  // namespace

std::size_t ReadHostsLine(const std::string& text, std::size_t from, std::string& line) {
    line.clear();
    std::size_t pos = from;
    for (; pos < text.size() && text[pos] != '\n'; ++pos) {
        if (text[pos] != '\r' && line.size() < kMaxLine) line += text[pos];
    }
    return pos < text.size() ? pos + 1 : pos;
}

std::string ParseHostsLine(const std::string& line) {
    std::size_t pos = 0;
    while (pos < line.size() && IsBlank(line[pos])) ++pos;
    if (pos == line.size() || line[pos] == '#') return std::string();
    while (pos < line.size() && !IsBlank(line[pos])) ++pos;
    while (pos < line.size() && IsBlank(line[pos])) ++pos;
    if (pos < line.size() && line[pos] == '#') return std::string();
    std::string host;
    while (pos < line.size() && !IsBlank(line[pos]) && host.size() < kMaxHost) host += line[pos++];
    return host;
}

bool TextMapsHost(const std::string& text, const std::string& name) {
    const std::string wanted = Lower(name);
    std::string line;
    for (std::size_t pos = 0; pos < text.size();) {
        pos = ReadHostsLine(text, pos, line);
        const std::string host = ParseHostsLine(line);
        if (!host.empty() && Lower(host) == wanted) return true;
    }
    return false;
}

std::string EntryToAppend(const std::string& text, const std::string& address,
                          const std::string& name) {
    std::string entry;
    if (!text.empty() && text.back() != '\n') entry += '\n';
    return entry + address + "\t" + name + "\n";
}

std::string WithoutAdBlock(const std::string& text) {
    const std::vector<std::string> lines = RawLines(text);
    std::string result;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!IsLine(lines[i], kBlockStart)) {
            result += lines[i];
            continue;
        }
        std::size_t end = i + 1;
        while (end < lines.size() && !IsLine(lines[end], kBlockEnd)) ++end;
        // A start without its end marks nothing: only the stray marker goes,
        // every line after it stays.
        if (end < lines.size()) i = end;
    }
    return result;
}

std::string WithoutProgramLines(const std::string& text, const std::string& alias) {
    const std::string wanted = Lower(alias);
    std::string result;
    std::string line;
    for (const std::string& raw : RawLines(WithoutAdBlock(text))) {
        ReadHostsLine(raw, 0, line);
        if (Lower(ParseHostsLine(line)) != wanted) result += raw;
    }
    return result;
}

std::string WithAdBlock(const std::string& text, const std::string& adLines) {
    std::string result = WithoutAdBlock(text);
    EndLine(result);
    std::string block = adLines;
    EndLine(block);
    return result + kBlockStart + "\n" + block + kBlockEnd + "\n";
}

}  // namespace hosts
