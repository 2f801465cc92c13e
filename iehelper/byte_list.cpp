#include "iehelper/byte_list.h"

namespace iehelper {
namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

}  // namespace

bool ParseByteList(const std::string& text, std::size_t maxBytes, std::string& bytes) {
    std::string parsed;
    std::size_t at = 0;
    while (at < text.size()) {
        if (parsed.size() == maxBytes) return false;
        unsigned value = 0;
        const std::size_t start = at;
        for (int digit; at < text.size() && (digit = HexDigit(text[at])) >= 0; ++at)
            value = (value * 16 + static_cast<unsigned>(digit)) & 0xFF;
        if (at == start) return false;
        parsed += static_cast<char>(value);
        ++at;  // the separator
    }
    bytes = parsed;
    return true;
}

}  // namespace iehelper
