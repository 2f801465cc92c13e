#pragma once
// The statements of a Mozilla preferences file (prefs.js, user.js), read as
// the browser reads them: `/* */`, `//` and `#` comments hold nothing, a
// quoted text is one token whatever it holds, and each
// `user_pref("name", value);` is one statement wherever it stands, several
// on one line or one over several lines.
#include <string>
#include <vector>

namespace browser {

struct PrefStatement {
    size_t begin = 0;  // the "u" of user_pref
    size_t end = 0;    // just after its ";" (or its ")" when the ";" is missing)
    std::string name;  // the text between the name's quotes, as written
};

struct PrefScan {
    std::vector<PrefStatement> statements;  // in file order
    // The text ends inside a `/* */` comment: whatever is appended to it
    // would be part of that comment.
    bool endsInComment = false;
};

// A value is a quoted text or a bare word (number, true, false). Text that
// is neither a comment nor a whole statement is passed over.
PrefScan ScanPrefStatements(const std::string& text);

}  // namespace browser
