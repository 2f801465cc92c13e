#include "common/browser/pref_statements.h"

#include <cctype>

namespace browser {
namespace {

const char kKeyword[] = "user_pref";
constexpr size_t kKeywordLength = sizeof(kKeyword) - 1;

bool IsWordChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }
bool IsLineEnd(char c) { return c == '\n' || c == '\r'; }
bool IsQuote(char c) { return c == '"' || c == '\''; }
bool IsBareValueChar(char c) { return IsWordChar(c) || c == '-' || c == '+' || c == '.'; }

class Scanner {
public:
    explicit Scanner(const std::string& text) : text_(text) {}

    PrefScan Run() const {
        PrefScan scan;
        size_t at = 0;
        while (at < text_.size()) {
            if (StartsBlockComment(at) && text_.find("*/", at + 2) == std::string::npos) {
                scan.endsInComment = true;
                break;
            }
            const size_t comment = CommentEnd(at);
            if (comment != at) {
                at = comment;
            } else if (IsQuote(text_[at])) {
                Quoted(at, at);
            } else if (StartsKeyword(at)) {
                PrefStatement statement;
                if (Statement(at, statement)) {
                    scan.statements.push_back(statement);
                    at = statement.end;
                } else {
                    at += kKeywordLength;
                }
            } else {
                ++at;
            }
        }
        return scan;
    }

private:
    bool StartsBlockComment(size_t at) const { return text_.compare(at, 2, "/*") == 0; }

    // Where the comment starting at `at` ends (an unclosed `/*` runs to the
    // end of the text, a line comment to its line end); `at` when none
    // starts there.
    size_t CommentEnd(size_t at) const {
        if (StartsBlockComment(at)) {
            const size_t close = text_.find("*/", at + 2);
            return close == std::string::npos ? text_.size() : close + 2;
        }
        if (text_[at] == '#' || text_.compare(at, 2, "//") == 0) {
            while (at < text_.size() && !IsLineEnd(text_[at])) ++at;
        }
        return at;
    }

    // Blanks, line ends and comments from `at` on.
    size_t SkipSpace(size_t at) const {
        while (at < text_.size()) {
            if (std::isspace(static_cast<unsigned char>(text_[at]))) {
                ++at;
                continue;
            }
            const size_t comment = CommentEnd(at);
            if (comment == at) break;
            at = comment;
        }
        return at;
    }

    // The quoted text opening at `at`: `end` just after its closing quote
    // (true), or at its line end or the text's end when it has none (false).
    // A backslash takes the next character into the text.
    bool Quoted(size_t at, size_t& end) const {
        const char quote = text_[at];
        for (size_t i = at + 1; i < text_.size(); ++i) {
            const char c = text_[i];
            if (c == quote) {
                end = i + 1;
                return true;
            }
            if (IsLineEnd(c)) {
                end = i;
                return false;
            }
            if (c == '\\' && i + 1 < text_.size() && !IsLineEnd(text_[i + 1])) ++i;
        }
        end = text_.size();
        return false;
    }

    bool StartsKeyword(size_t at) const {
        const size_t after = at + kKeywordLength;
        return text_.compare(at, kKeywordLength, kKeyword) == 0 &&
               (at == 0 || !IsWordChar(text_[at - 1])) &&
               (after >= text_.size() || !IsWordChar(text_[after]));
    }

    // `user_pref ( "name" , value ) ;` from `at`, comments and line ends
    // allowed between the parts.
    bool Statement(size_t at, PrefStatement& statement) const {
        size_t i = SkipSpace(at + kKeywordLength);
        if (i >= text_.size() || text_[i] != '(') return false;
        i = SkipSpace(i + 1);
        size_t nameEnd = 0;
        if (i >= text_.size() || !IsQuote(text_[i]) || !Quoted(i, nameEnd)) return false;
        statement.name = text_.substr(i + 1, nameEnd - i - 2);
        i = SkipSpace(nameEnd);
        if (i >= text_.size() || text_[i] != ',') return false;
        i = SkipSpace(i + 1);
        if (i >= text_.size()) return false;
        if (IsQuote(text_[i])) {
            if (!Quoted(i, i)) return false;
        } else {
            const size_t valueAt = i;
            while (i < text_.size() && IsBareValueChar(text_[i])) ++i;
            if (i == valueAt) return false;
        }
        i = SkipSpace(i);
        if (i >= text_.size() || text_[i] != ')') return false;
        statement.begin = at;
        statement.end = ++i;
        while (i < text_.size() && (text_[i] == ' ' || text_[i] == '\t')) ++i;
        if (i < text_.size() && text_[i] == ';') statement.end = i + 1;
        return true;
    }

    const std::string& text_;
};

}  // namespace

PrefScan ScanPrefStatements(const std::string& text) { return Scanner(text).Run(); }

}  // namespace browser
