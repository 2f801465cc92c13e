#include "startup/core/kept_shortcuts.h"

#include <windows.h>

#include "common/files/folder_list.h"
#include "startup/core/shortcut.h"

namespace startup {
namespace {

bool SameName(const std::string& a, const std::string& b) {
    return lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

}  // namespace

std::string KeptFileOf(const Places& places, int place, const std::string& taskName) {
    std::string found;
    for (const files::FolderEntry& file : files::ListMatches(places.KeptSubfolder(place) + "\\*")) {
        if (file.isFolder || !SameName(ShortcutTaskName(file.name), taskName)) continue;
        if (SameName(file.name, taskName + ".lnk")) return file.name;
        if (found.empty()) found = file.name;
    }
    return found;
}

void AttachKeptFiles(const Places& places, std::vector<EntryRow>& rows) {
    for (EntryRow& row : rows) {
        if (row.place != kUserStartup && row.place != kCommonStartup) continue;
        const std::string name = KeptFileOf(places, row.place, row.entry.taskName);
        bool taken = name.empty();
        for (const EntryRow& other : rows)
            taken = taken || (other.place == row.place && SameName(other.fileName, name));
        if (!taken) row.fileName = name;
    }
}

}  // namespace startup
