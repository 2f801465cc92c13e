// The privacy program's section reader and line editors: a replace keeps
// every other line as it was, and an inserted line is read back from its
// section.
#include <algorithm>

#include "common/browser/text_lines.h"
#include "fuzz/fuzz_check.h"
#include "privacy/core/ini_lines.h"
#include "privacy/core/text_routines.h"

namespace {

bool HasBreak(const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; }

std::string Prepared(const std::string& line, const privacy::IniSection& where) {
    return where.normalise ? privacy::NormaliseLine(line) : line;
}

bool Skipped(const std::string& line, const privacy::IniSection& where) {
    return !where.skipPrefix.empty() && privacy::StartsWithNoCase(where.skipPrefix, line);
}

// A line the reader can see as a line of the section once it is there.
bool Readable(const std::string& newLine, const privacy::IniSection& where) {
    const std::string line = Prepared(newLine, where);
    const std::string section = where.sectionLine;
    return !line.empty() && !HasBreak(newLine) && !Skipped(line, where) &&
           (section.empty() || where.sectionMark.empty() ||
            !privacy::StartsWithNoCase(where.sectionMark, line)) &&
           !HasBreak(section) && Prepared(section, where) == section && !Skipped(section, where);
}

}  // namespace

// Fields: flags (bit 0: normalise), section line, section mark, comment
// prefix, the line to match, the new line, then the text.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<std::string> f = fuzz::Fields(data, size, 7);
    privacy::IniSection where;
    where.normalise = !f[0].empty() && (f[0][0] & 1);
    where.sectionLine = f[1];
    where.sectionMark = f[2];
    where.skipPrefix = f[3];
    const std::string& matchLine = f[4];
    const std::string& newLine = f[5];
    const std::string& text = f[6];

    privacy::CollectIniLines(text, where, matchLine, "");
    const std::vector<browser::TextLine> before = browser::SplitLines(text);
    // An empty replacement for a file's only, unended line leaves no line
    // at all: the line count is kept only for replacements with text.
    if (!HasBreak(newLine) && !Prepared(newLine, where).empty()) {
        const std::vector<browser::TextLine> after =
            browser::SplitLines(privacy::ReplaceIniLineText(text, where, matchLine, newLine));
        FUZZ_CHECK(after.size() == before.size());
        size_t changed = 0;
        for (size_t i = 0; i < before.size() && i < after.size(); ++i) {
            FUZZ_CHECK(after[i].eol == before[i].eol);
            if (after[i].text != before[i].text) ++changed;
        }
        FUZZ_CHECK(changed <= 1);
    }

    const std::string inserted = privacy::InsertIniLineText(text, where, newLine);
    FUZZ_CHECK(inserted.size() > text.size());
    if (Readable(newLine, where)) {
        const std::vector<std::string> lines = privacy::CollectIniLines(inserted, where, "", "");
        FUZZ_CHECK(std::find(lines.begin(), lines.end(), Prepared(newLine, where)) != lines.end());
        // Every line that was there is still there.
        const std::vector<browser::TextLine> after = browser::SplitLines(inserted);
        FUZZ_CHECK(after.size() >= before.size() + 1 && after.size() <= before.size() + 2);
    }
    return 0;
}
