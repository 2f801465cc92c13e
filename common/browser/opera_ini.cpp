#include "common/browser/opera_ini.h"

#include <vector>

#include "common/browser/text_lines.h"

namespace browser {
namespace {

const char kSection[] = "[Proxy]";
const char kUseKey[] = "Use HTTP";
const char kServerKey[] = "HTTP Server";
constexpr size_t kNone = static_cast<size_t>(-1);

// Where the proxy section and its two lines sit in a file.
struct ProxySection {
    size_t header = kNone;
    size_t use = kNone;
    size_t server = kNone;
};

std::string KeyOf(const std::string& line) {
    return TrimSpaces(line.substr(0, line.find('=')));
}

ProxySection FindSection(const std::vector<TextLine>& lines) {
    ProxySection section;
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string text = TrimSpaces(lines[i].text);
        if (section.header == kNone) {
            if (EqualsNoCase(text, kSection)) section.header = i;
            continue;
        }
        if (!text.empty() && text[0] == '[') break;
        const std::string key = KeyOf(text);
        if (section.use == kNone && EqualsNoCase(key, kUseKey)) section.use = i;
        if (section.server == kNone && EqualsNoCase(key, kServerKey)) section.server = i;
    }
    return section;
}

std::string ValueOf(const std::vector<TextLine>& lines, size_t at) {
    if (at == kNone) return "";
    const std::string& text = lines[at].text;
    size_t equals = text.find('=');
    return equals == std::string::npos ? "" : TrimSpaces(text.substr(equals + 1));
}

// Replaces the line at `at` unless it already reads `text`.
void PutLine(std::vector<TextLine>& lines, size_t at, const std::string& text) {
    if (TrimSpaces(lines[at].text) != text) lines[at].text = text;
}

}  // namespace

std::string ConfigureOperaProxy(const std::string& ini, const std::string& server) {
    const std::string useLine = std::string(kUseKey) + "=1";
    const std::string serverLine = std::string(kServerKey) + "=" + server;
    const std::string eol = FileLineEnd(ini);
    std::vector<TextLine> lines = SplitLines(ini);
    ProxySection section = FindSection(lines);
    if (section.header == kNone) {
        std::string bytes = ini;
        if (!bytes.empty() && bytes.back() != '\n') bytes += eol;
        return bytes + eol + kSection + eol + useLine + eol + serverLine + eol;
    }
    if (section.use != kNone) PutLine(lines, section.use, useLine);
    if (section.server != kNone) PutLine(lines, section.server, serverLine);
    std::vector<TextLine> added;
    if (section.use == kNone) added.push_back({useLine, eol});
    if (section.server == kNone) added.push_back({serverLine, eol});
    if (!added.empty()) {
        EndLine(lines[section.header], eol);
        lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(section.header + 1),
                     added.begin(), added.end());
    }
    return JoinLines(lines);
}

std::string ClearOperaProxy(const std::string& ini, const std::string& server) {
    std::vector<TextLine> lines = SplitLines(ini);
    ProxySection section = FindSection(lines);
    if (ValueOf(lines, section.server) != server) return ini;
    if (section.use != kNone) PutLine(lines, section.use, std::string(kUseKey) + "=0");
    if (section.server != kNone) PutLine(lines, section.server, kServerKey);
    return JoinLines(lines);
}

bool OperaIniUsesProxy(const std::string& ini, const std::string& server) {
    const std::vector<TextLine> lines = SplitLines(ini);
    ProxySection section = FindSection(lines);
    return section.use != kNone && section.server != kNone &&
           ValueOf(lines, section.use) == "1" && ValueOf(lines, section.server) == server;
}

}  // namespace browser
