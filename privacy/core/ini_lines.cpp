#include "privacy/core/ini_lines.h"

#include "common/browser/file_rewrite.h"
#include "common/browser/text_lines.h"
#include "privacy/core/text_routines.h"

namespace privacy {
namespace {

using browser::TextLine;

std::string Prepared(const std::string& line, const IniSection& where) {
    return where.normalise ? NormaliseLine(line) : line;
}

bool IsSkipped(const std::string& line, const IniSection& where) {
    return !where.skipPrefix.empty() && StartsWithNoCase(where.skipPrefix, line);
}

bool IsSectionLine(const std::string& line, const IniSection& where) {
    return !where.sectionLine.empty() && EqualsNoCase(line, where.sectionLine);
}

bool LeavesSection(const std::string& line, const IniSection& where) {
    return !where.sectionLine.empty() && StartsWithNoCase(where.sectionMark, line) &&
           !where.sectionMark.empty() && !IsSectionLine(line, where);
}

// The file's own line end; a file without any takes the system's.
std::string LineEndOf(const std::string& text) {
    return text.find('\n') == std::string::npos ? "\r\n" : browser::FileLineEnd(text);
}

// Gives a last line without an end a reader would see (none, or a lone
// carriage return) the file's own, so a line can follow it.
void EndLastLine(std::vector<TextLine>& lines, const std::string& eol) {
    if (!lines.empty()) browser::EndLine(lines.back(), eol);
}

}  // namespace

std::vector<std::string> CollectIniLines(const std::string& text, const IniSection& where,
                                         const std::string& linePrefix,
                                         const std::string& endLine) {
    std::vector<std::string> found;
    bool inSection = where.sectionLine.empty();
    for (const TextLine& raw : browser::SplitLines(text)) {
        const std::string line = Prepared(raw.text, where);
        if (IsSkipped(line, where)) continue;
        if (!inSection) {
            inSection = IsSectionLine(line, where);
            continue;
        }
        const bool candidate =
            (linePrefix.empty() || StartsWithNoCase(linePrefix, line)) &&
            (where.sectionLine.empty() || where.sectionMark.empty() ||
             !StartsWithNoCase(where.sectionMark, line));
        if (candidate) {
            if (!EqualsNoCase(line, endLine)) found.push_back(line);
        } else if (LeavesSection(line, where)) {
            inSection = false;
        }
    }
    return found;
}

// The index of the first line of the section equal to `matchLine`;
// lines.size() when there is none.
size_t FindIniLine(const std::vector<TextLine>& lines, const IniSection& where,
                   const std::string& matchLine) {
    bool inSection = where.sectionLine.empty();
    for (size_t i = 0; i < lines.size(); ++i) {
        const std::string line = Prepared(lines[i].text, where);
        if (IsSkipped(line, where)) continue;
        if (!inSection) {
            inSection = IsSectionLine(line, where);
        } else if (EqualsNoCase(line, Prepared(matchLine, where))) {
            return i;
        } else if (LeavesSection(line, where)) {
            inSection = false;
        }
    }
    return lines.size();
}

std::string ReplaceIniLineText(const std::string& text, const IniSection& where,
                               const std::string& matchLine, const std::string& newLine) {
    std::vector<TextLine> lines = browser::SplitLines(text);
    const size_t at = FindIniLine(lines, where, matchLine);
    if (at < lines.size()) lines[at].text = newLine;
    return browser::JoinLines(lines);
}

std::string RemoveIniLineText(const std::string& text, const IniSection& where,
                              const std::string& matchLine) {
    std::vector<TextLine> lines = browser::SplitLines(text);
    const size_t at = FindIniLine(lines, where, matchLine);
    if (at < lines.size()) lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(at));
    return browser::JoinLines(lines);
}

std::string InsertIniLineText(const std::string& text, const IniSection& where,
                              const std::string& newLine) {
    std::vector<TextLine> lines = browser::SplitLines(text);
    const std::string eol = LineEndOf(text);
    if (!where.sectionLine.empty()) {
        for (size_t i = 0; i < lines.size(); ++i) {
            const std::string line = Prepared(lines[i].text, where);
            if (IsSkipped(line, where) || !IsSectionLine(line, where)) continue;
            size_t at = i + 1;
            while (at < lines.size() && IsSkipped(Prepared(lines[at].text, where), where)) ++at;
            if (at == lines.size()) EndLastLine(lines, eol);
            lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), TextLine{newLine, eol});
            return browser::JoinLines(lines);
        }
        EndLastLine(lines, eol);
        lines.push_back(TextLine{where.sectionLine, eol});
    } else {
        EndLastLine(lines, eol);
    }
    lines.push_back(TextLine{newLine, eol});
    return browser::JoinLines(lines);
}

IniSection BracketedSection(const std::string& sectionLine) {
    IniSection where;
    where.sectionLine = sectionLine;
    where.sectionMark = "[";
    where.skipPrefix = ";";
    where.normalise = true;
    return where;
}

std::vector<std::string> ReadIniSection(const std::string& path, const IniSection& where,
                                        const std::string& linePrefix,
                                        const std::string& endLine) {
    std::string text;
    if (!files::ReadWholeFile(path, text)) return {};
    return CollectIniLines(text, where, linePrefix, endLine);
}

bool ReplaceIniLine(const std::string& path, const IniSection& where,
                    const std::string& matchLine, const std::string& newLine) {
    return browser::EditFile(path, [&](const std::string& text) {
        return ReplaceIniLineText(text, where, matchLine, newLine);
    });
}

bool InsertIniLine(const std::string& path, const IniSection& where, const std::string& newLine) {
    return browser::EditFile(
        path, [&](const std::string& text) { return InsertIniLineText(text, where, newLine); });
}

bool RemoveIniLine(const std::string& path, const IniSection& where, const std::string& prefix) {
    std::vector<std::string> found = ReadIniSection(path, where, prefix, "");
    if (found.empty()) return true;
    return browser::EditFile(path, [&](const std::string& text) {
        return RemoveIniLineText(text, where, found.front());
    });
}

bool SetIniLine(const std::string& path, const IniSection& where, const std::string& prefix,
                const std::string& newLine) {
    std::vector<std::string> found = ReadIniSection(path, where, prefix, "");
    if (!found.empty()) return ReplaceIniLine(path, where, found.front(), newLine);
    return files::FileExists(path) && InsertIniLine(path, where, newLine);
}

}  // namespace privacy
