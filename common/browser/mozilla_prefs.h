#pragma once
// The preferences of a Mozilla profile: prefs.js, which the browser
// writes, and user.js, whose statements the browser applies over prefs.js
// at every start. Both are read statement by statement, as the browser
// reads them (common/browser/pref_statements.h): nothing inside a comment
// counts or is changed, and a statement sharing its line keeps the rest of
// the line.
#include <string>
#include <vector>

namespace browser {

// The three proxy lines the program writes (configure or reset side).
std::vector<std::string> ProxyPrefLines(const std::string& host, const std::string& port);
std::vector<std::string> NeutralProxyPrefLines();

// The name the first statement of `text` sets, or "" when it has none.
std::string PrefNameOf(const std::string& text);

// `userJs` with each of `lines` put in place of the last statement that
// sets the same preference, or appended when none does; every other byte
// is kept. An empty file becomes the lines joined by line feeds, the last
// one without a line end; a comment the file leaves open is closed before
// the appended lines.
std::string MergePrefLines(const std::string& userJs, const std::vector<std::string>& lines);

// `prefsJs` without its first statement whose preference name begins with
// `namePrefix`; the statement's line goes with it when nothing else stands
// on it.
std::string RemoveFirstPref(const std::string& prefsJs, const std::string& namePrefix);

// Whether the profile uses the proxy at the browser's next start: for each
// of the three proxy preferences, the statement that takes effect (user.js
// before prefs.js, the last of several) must carry the program's exact text.
bool ProfileUsesProxy(const std::string& prefsJs, const std::string& userJs);

}  // namespace browser
