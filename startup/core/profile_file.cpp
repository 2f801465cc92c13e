#include "startup/core/profile_file.h"

#include "common/files/whole_file.h"
#include "startup/core/record_file.h"

namespace startup {
namespace {

std::string ProfileValuesFile(const std::string& profile) { return profile + ".Values.txt"; }

}  // namespace

WriteResult SaveProfile(const std::vector<EntryRow>& rows, const std::string& path) {
    if (path.empty()) return WriteResult::Written;
    std::vector<StartupEntry> entries;
    for (const EntryRow& row : rows) {
        if (HasLineBreak(row.entry)) return WriteResult::LineBreak;
        entries.push_back(row.entry);
    }
    if (!SaveKeptValues(rows, ProfileValuesFile(path))) return WriteResult::Failed;
    return SaveEntriesToFile(entries, path);
}

bool ReadProfile(const std::string& path, std::vector<StartupEntry>& records,
                 std::string& values) {
    values.clear();
    if (!ReadEntriesFromFile(path, records)) return false;
    files::ReadWholeFile(ProfileValuesFile(path), values);
    return true;
}

}  // namespace startup
