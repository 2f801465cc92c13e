#include "startup/core/record_file.h"

namespace startup {
namespace {

std::string* Field(StartupEntry& entry, int index) {
    std::string* fields[] = {&entry.taskName, &entry.status, &entry.loadFrom,
                             &entry.user,     &entry.when,   &entry.location};
    return fields[index];
}

const std::string& Field(const StartupEntry& entry, int index) {
    return *Field(const_cast<StartupEntry&>(entry), index);
}

bool HasBreak(const std::string& text) { return text.find_first_of("\r\n") != std::string::npos; }

}  // namespace

bool HasLineBreak(const StartupEntry& entry) {
    for (int i = 0; i < 6; ++i) {
        if (HasBreak(Field(entry, i))) return true;
    }
    return false;
}

bool FormatRecords(const std::vector<StartupEntry>& entries, std::string& bytes) {
    std::string text;
    for (const StartupEntry& entry : entries) {
        if (HasLineBreak(entry)) return false;
        for (int i = 0; i < 6; ++i) text += Field(entry, i) + "\r\n";
    }
    bytes = text;
    return true;
}

std::vector<StartupEntry> ParseRecords(const std::string& bytes) {
    std::vector<StartupEntry> entries;
    int field = 0;
    size_t pos = 0;
    while (pos < bytes.size()) {
        size_t end = bytes.find_first_of("\r\n", pos);
        if (end == std::string::npos) end = bytes.size();
        if (field == 0) entries.emplace_back();
        *Field(entries.back(), field) = bytes.substr(pos, end - pos);
        field = (field + 1) % 6;
        pos = end;
        if (pos < bytes.size() && bytes[pos] == '\r') ++pos;
        if (pos < bytes.size() && bytes[pos] == '\n') ++pos;
    }
    return entries;
}

}  // namespace startup
