#include "shredder/pages/option_rules/pass_pattern.h"

namespace shredder {

const char kRandomPassText[] = "Write random data.";
const char kComplementPassText[] = "Write complementary to previous pass pattern.";

namespace {

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

}  // namespace

std::string PatternDigits(const std::string& row) {
    std::string digits;
    for (char c : row)
        if (c != ' ') digits += c;
    return digits;
}

std::string FormatPattern(const std::string& text) {
    std::string digits = PatternDigits(text);
    if (digits.size() % 2) digits.insert(digits.begin(), '0');
    std::string row;
    for (size_t i = 0; i < digits.size(); i += 2) {
        if (i) row += ' ';
        row.append(digits, i, 2);
    }
    return row;
}

PassKind RowKind(const std::string& row) {
    if (row == kRandomPassText) return PassKind::Random;
    if (row == kComplementPassText) return PassKind::Complement;
    return PassKind::Pattern;
}

bool IsValidPatternRow(const std::string& row) {
    const std::string digits = PatternDigits(row);
    if (digits.empty()) return false;
    for (char c : digits)
        if (HexValue(c) < 0) return false;
    return true;
}

std::vector<unsigned char> PatternBytes(const std::string& row) {
    const std::string digits = PatternDigits(row);
    std::vector<unsigned char> bytes;
    for (size_t end = digits.size(); end > 0; end = end >= 2 ? end - 2 : 0) {
        const int low = HexValue(digits[end - 1]);
        const int high = end >= 2 ? HexValue(digits[end - 2]) : 0;
        bytes.push_back(static_cast<unsigned char>(((high < 0 ? 0 : high) << 4) | (low < 0 ? 0 : low)));
    }
    return bytes;
}

std::string PatternRow(const std::vector<unsigned char>& pattern) {
    std::string digits;
    for (size_t i = pattern.size(); i > 0; --i) digits += ByteToHex(pattern[i - 1]);
    return FormatPattern(digits);
}

std::string PassRow(const Pass& pass) {
    switch (pass.kind) {
    case PassKind::Random: return kRandomPassText;
    case PassKind::Complement: return kComplementPassText;
    case PassKind::Pattern: break;
    }
    return PatternRow(pass.pattern);
}

Pass RowPass(const std::string& row) {
    Pass pass;
    pass.kind = RowKind(row);
    if (pass.kind == PassKind::Pattern) pass.pattern = PatternBytes(row);
    return pass;
}

}  // namespace shredder
