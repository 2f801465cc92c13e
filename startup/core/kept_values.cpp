#include "startup/core/kept_values.h"

#include <cstdlib>
#include <cstring>

#include "startup/core/value_text.h"

namespace startup {
namespace {

const char kHex[] = "0123456789abcdef";

std::string ToHex(const std::string& data) {
    std::string hex;
    for (unsigned char byte : data) {
        hex += kHex[byte >> 4];
        hex += kHex[byte & 15];
    }
    return hex;
}

bool FromHex(const std::string& hex, std::string& data) {
    if (hex.size() % 2) return false;
    data.clear();
    for (size_t i = 0; i < hex.size(); i += 2) {
        const char* high = std::strchr(kHex, hex[i]);
        const char* low = std::strchr(kHex, hex[i + 1]);
        if (!hex[i] || !hex[i + 1] || !high || !low) return false;
        data += static_cast<char>(((high - kHex) << 4) | (low - kHex));
    }
    return true;
}

struct KeptValue {
    int place = kUnknownPlace;
    unsigned long type = 0;
    std::string data;
    std::string name;
};

bool ParseLine(const std::string& line, KeptValue& value) {
    const size_t first = line.find('\t');
    const size_t second = first == std::string::npos ? first : line.find('\t', first + 1);
    const size_t third = second == std::string::npos ? second : line.find('\t', second + 1);
    if (third == std::string::npos) return false;
    value.place = std::atoi(line.substr(0, first).c_str());
    value.type = std::strtoul(line.substr(first + 1, second - first - 1).c_str(), nullptr, 10);
    value.name = line.substr(third + 1);
    return FromHex(line.substr(second + 1, third - second - 1), value.data);
}

}  // namespace

std::string FormatKeptValues(const std::vector<EntryRow>& rows) {
    std::string bytes;
    for (const EntryRow& row : rows) {
        if (row.valueType == 0) continue;
        bytes += std::to_string(row.place) + "\t" + std::to_string(row.valueType) + "\t" +
                 ToHex(row.valueData) + "\t" + row.entry.taskName + "\r\n";
    }
    return bytes;
}

void AttachKeptValues(const std::string& bytes, std::vector<EntryRow>& rows) {
    size_t pos = 0;
    while (pos < bytes.size()) {
        size_t end = bytes.find("\r\n", pos);
        if (end == std::string::npos) end = bytes.size();
        KeptValue value;
        if (ParseLine(bytes.substr(pos, end - pos), value)) {
            for (EntryRow& row : rows) {
                if (row.valueType == 0 && row.place == value.place &&
                    row.entry.taskName == value.name &&
                    row.entry.location == RegValueText(value.type, value.data)) {
                    row.valueType = value.type;
                    row.valueData = value.data;
                    break;
                }
            }
        }
        pos = end + 2;
    }
}

}  // namespace startup
