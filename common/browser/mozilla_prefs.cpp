#include "common/browser/mozilla_prefs.h"

#include "common/browser/pref_statements.h"
#include "common/browser/text_lines.h"

namespace browser {
namespace {

// What the program's proxy looks like in a profile, one text per preference.
struct ProxyPrefTest {
    const char* name;
    const char* text;
};
const ProxyPrefTest kConfiguredTests[] = {
    {"network.proxy.http", "user_pref(\"network.proxy.http\", \"VelmoraBlinkward\")"},
    {"network.proxy.http_port", "user_pref(\"network.proxy.http_port\", 8100)"},
    {"network.proxy.type", "user_pref(\"network.proxy.type\", 1)"},
};

// The last statement of `scan` that sets `name`, or null.
const PrefStatement* LastSetting(const PrefScan& scan, const std::string& name) {
    const PrefStatement* found = nullptr;
    for (const PrefStatement& statement : scan.statements)
        if (statement.name == name) found = &statement;
    return found;
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool AllBlank(const std::string& text, size_t from, size_t to) {
    for (size_t i = from; i < to; ++i)
        if (!IsBlank(text[i]) && text[i] != '\r') return false;
    return true;
}

// `text` without `statement`: with its whole line when nothing else stands
// on it, else with the blanks that separated it from the rest of the line.
std::string CutStatement(std::string text, const PrefStatement& statement) {
    const size_t previous = statement.begin == 0 ? std::string::npos
                                                 : text.rfind('\n', statement.begin - 1);
    const size_t lineStart = previous == std::string::npos ? 0 : previous + 1;
    const size_t lineFeed = text.find('\n', statement.end);
    const size_t lineEnd = lineFeed == std::string::npos ? text.size() : lineFeed;
    const bool nothingAfter = AllBlank(text, statement.end, lineEnd);
    if (nothingAfter && AllBlank(text, lineStart, statement.begin))
        return text.erase(lineStart, lineFeed == std::string::npos ? lineEnd - lineStart
                                                                    : lineFeed + 1 - lineStart);
    size_t from = statement.begin, to = statement.end;
    while (to < lineEnd && IsBlank(text[to])) ++to;
    if (nothingAfter)
        while (from > lineStart && IsBlank(text[from - 1])) --from;
    return text.erase(from, to - from);
}

}  // namespace

std::vector<std::string> ProxyPrefLines(const std::string& host, const std::string& port) {
    return {"user_pref(\"network.proxy.http\", \"" + host + "\");",
            "user_pref(\"network.proxy.http_port\", " + port + ");",
            "user_pref(\"network.proxy.type\", 1);"};
}

std::vector<std::string> NeutralProxyPrefLines() {
    return {"user_pref(\"network.proxy.http\", \"\");",
            "user_pref(\"network.proxy.http_port\", 0);",
            "user_pref(\"network.proxy.type\", 0);"};
}

std::string PrefNameOf(const std::string& text) {
    const PrefScan scan = ScanPrefStatements(text);
    return scan.statements.empty() ? "" : scan.statements.front().name;
}

std::string MergePrefLines(const std::string& userJs, const std::vector<std::string>& lines) {
    std::string merged = userJs;
    std::vector<std::string> missing;
    for (const std::string& line : lines) {
        const PrefScan scan = ScanPrefStatements(merged);
        const PrefStatement* last = LastSetting(scan, PrefNameOf(line));
        if (last)
            merged.replace(last->begin, last->end - last->begin, line);
        else
            missing.push_back(line);
    }
    if (missing.empty()) return merged;
    // Appended lines must not land inside a comment the file never closed.
    if (ScanPrefStatements(merged).endsInComment) merged += "*/";
    const std::string eol = FileLineEnd(userJs);
    std::vector<TextLine> text = SplitLines(merged);
    if (!text.empty()) EndLine(text.back(), eol);
    for (size_t i = 0; i < missing.size(); ++i)
        text.push_back({missing[i], i + 1 < missing.size() ? eol : ""});
    return JoinLines(text);
}

std::string RemoveFirstPref(const std::string& prefsJs, const std::string& namePrefix) {
    for (const PrefStatement& statement : ScanPrefStatements(prefsJs).statements)
        if (statement.name.compare(0, namePrefix.size(), namePrefix) == 0)
            return CutStatement(prefsJs, statement);
    return prefsJs;
}

bool ProfileUsesProxy(const std::string& prefsJs, const std::string& userJs) {
    const PrefScan prefs = ScanPrefStatements(prefsJs);
    const PrefScan user = ScanPrefStatements(userJs);
    for (const ProxyPrefTest& test : kConfiguredTests) {
        const PrefStatement* found = LastSetting(user, test.name);
        const std::string& from = found ? userJs : prefsJs;
        if (!found) found = LastSetting(prefs, test.name);
        if (!found || from.compare(found->begin, std::char_traits<char>::length(test.text),
                                   test.text) != 0)
            return false;
    }
    return true;
}

}  // namespace browser
