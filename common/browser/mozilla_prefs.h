#pragma once
// The preference lines of a Mozilla profile: prefs.js, which the browser
// writes, and user.js, whose lines the browser applies over prefs.js at
// every start.
#include <string>
#include <vector>

namespace browser {

// The three proxy lines the program writes (configure or reset side).
std::vector<std::string> ProxyPrefLines(const std::string& host, const std::string& port);
std::vector<std::string> NeutralProxyPrefLines();

// The name a `user_pref("name", ...)` line sets, or "" for any other line.
std::string PrefNameOf(const std::string& line);

// `userJs` with each of `lines` put in place of the last line that sets the
// same preference, or appended when none does; every other byte is kept.
// An empty file becomes the lines joined by line feeds, the last one
// without a line end.
std::string MergePrefLines(const std::string& userJs, const std::vector<std::string>& lines);

// `prefsJs` without its first line that contains `part`.
std::string RemoveFirstLineContaining(const std::string& prefsJs, const std::string& part);

// Whether the profile uses the proxy at the browser's next start: for each
// of the three proxy preferences, the line that takes effect (user.js
// before prefs.js, the last of several) must carry the program's exact text.
bool ProfileUsesProxy(const std::string& prefsJs, const std::string& userJs);

}  // namespace browser
