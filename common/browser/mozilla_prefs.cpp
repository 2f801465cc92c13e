#include "common/browser/mozilla_prefs.h"

#include "common/browser/text_lines.h"

namespace browser {
namespace {

const char kPrefStart[] = "user_pref(\"";

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

constexpr size_t kNone = static_cast<size_t>(-1);

// The index of the last line of `lines` that sets `name`, or kNone.
size_t LastSetting(const std::vector<TextLine>& lines, const std::string& name) {
    size_t found = kNone;
    for (size_t i = 0; i < lines.size(); ++i)
        if (PrefNameOf(lines[i].text) == name) found = i;
    return found;
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

std::string PrefNameOf(const std::string& line) {
    std::string text = TrimSpaces(line);
    if (text.compare(0, sizeof(kPrefStart) - 1, kPrefStart) != 0) return "";
    size_t nameAt = sizeof(kPrefStart) - 1;
    size_t quote = text.find('"', nameAt);
    return quote == std::string::npos ? "" : text.substr(nameAt, quote - nameAt);
}

std::string MergePrefLines(const std::string& userJs, const std::vector<std::string>& lines) {
    std::vector<TextLine> merged = SplitLines(userJs);
    const std::string eol = FileLineEnd(userJs);
    std::vector<std::string> missing;
    for (const std::string& line : lines) {
        size_t last = LastSetting(merged, PrefNameOf(line));
        if (last != kNone)
            merged[last].text = line;
        else
            missing.push_back(line);
    }
    if (missing.empty()) return JoinLines(merged);
    if (!merged.empty()) EndLine(merged.back(), eol);
    for (size_t i = 0; i < missing.size(); ++i)
        merged.push_back({missing[i], i + 1 < missing.size() ? eol : ""});
    return JoinLines(merged);
}

std::string RemoveFirstLineContaining(const std::string& prefsJs, const std::string& part) {
    std::vector<TextLine> lines = SplitLines(prefsJs);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].text.find(part) != std::string::npos) {
            lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i));
            break;
        }
    }
    return JoinLines(lines);
}

bool ProfileUsesProxy(const std::string& prefsJs, const std::string& userJs) {
    const std::vector<TextLine> prefs = SplitLines(prefsJs);
    const std::vector<TextLine> user = SplitLines(userJs);
    for (const ProxyPrefTest& test : kConfiguredTests) {
        size_t at = LastSetting(user, test.name);
        const std::vector<TextLine>& from = at != kNone ? user : prefs;
        if (at == kNone) at = LastSetting(prefs, test.name);
        if (at == kNone || from[at].text.find(test.text) == std::string::npos) return false;
    }
    return true;
}

}  // namespace browser
