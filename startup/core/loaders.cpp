#include "startup/core/loaders.h"

#include "common/files/folder_list.h"
#include "startup/core/disabled_store.h"
#include "startup/core/kept_shortcuts.h"
#include "startup/core/location_actions.h"
#include "startup/core/registry_routines.h"
#include "startup/core/shortcut.h"

namespace startup {
namespace {

int MachinePlace(const std::string& keyName) {
    if (keyName == "Run") return kMachineRun;
    if (keyName == "RunOnce") return kMachineRunOnce;
    if (keyName == "RunOnceEx") return kMachineRunOnceEx;
    if (keyName == "RunServices") return kMachineRunServices;
    return kUnknownPlace;
}

EntryRow MakeRow(const std::string& name, const Labels& labels, const std::string& loadFrom,
                 const std::string& user, const std::string& when, int place) {
    EntryRow row;
    row.entry = {name, labels.enabled, loadFrom, user, when, std::string()};
    row.place = place;
    return row;
}

// A record read back from a file, its texts in the current language.
EntryRow RowFromRecord(const StartupEntry& record, const LabelBook& book) {
    EntryRow row;
    row.entry = record;
    row.place = book.PlaceOf(record.loadFrom);
    if (row.place != kUnknownPlace) row.entry.loadFrom = LoadFromText(book.current, row.place);
    return row;
}

}  // namespace

void SetRegRunIntoList(HKEY root, const char* keyName, const Labels& labels,
                       std::vector<EntryRow>& rows) {
    const bool user = root == HKEY_CURRENT_USER;
    const int place = user ? kUserRun : MachinePlace(keyName);
    const std::string path = RunKeyPath(keyName);
    RegKey key;
    OpenRegKey(root, path, key);
    const DWORD count = GetRegKeyCount(key, 0);
    for (DWORD i = 0; i < count; ++i) {
        std::string name;
        if (!EnumRegValueName(key, i, name)) continue;
        EntryRow row = user ? MakeRow(name, labels, labels.names[kUserRun], labels.currentUser,
                                      labels.userLogsOn, place)
                            : MakeRow(name, labels,
                                      labels.registryWord + "(Machine " + keyName + ")",
                                      labels.allUsers, labels.anyUserLogsOn, place);
        DWORD type = 0;
        if (ReadRegValue(root, path, name, row.entry.location, &type, &row.valueData))
            row.valueType = type;
        rows.push_back(row);
    }
}

void SetWinIniIntoList(const Places& places, const Labels& labels, std::vector<EntryRow>& rows) {
    EntryRow load = MakeRow("Win.ini Load", labels, labels.names[kWinIniLoad], labels.allUsers,
                            labels.anyUserLogsOn, kWinIniLoad);
    EntryRow run = MakeRow("Win.ini Run", labels, labels.names[kWinIniRun], labels.allUsersIni,
                           labels.anyUserLogsOn, kWinIniRun);
    if (ReadLiveEntry(places, load)) rows.push_back(load);
    if (ReadLiveEntry(places, run)) rows.push_back(run);
}

void SetStartupFolderIntoList(const Places& places, const Labels& labels,
                              std::vector<EntryRow>& rows) {
    for (int place : {kUserStartup, kCommonStartup}) {
        const std::string& folder = places.StartupFolder(place);
        if (folder.empty()) continue;
        const bool user = place == kUserStartup;
        for (const files::FolderEntry& file : files::ListMatches(folder + "\\*.*")) {
            const std::string task = ShortcutTaskName(file.name);
            if (file.isFolder || task.empty()) continue;
            EntryRow row = MakeRow(task, labels, labels.names[place],
                                   user ? labels.currentUser : labels.allUsers,
                                   user ? labels.userLogsOnFolder : labels.anyUserLogsOn, place);
            // The file under its listed name: its own, or its short name
            // where its own does not survive the ANSI code page.
            row.fileName = file.name;
            ReadLiveEntry(places, row);
            rows.push_back(row);
        }
    }
}

void LoadDisabledEntries(const Places& places, const LabelBook& book, std::vector<EntryRow>& rows) {
    std::vector<StartupEntry> records;
    if (!ReadEntriesFromFile(places.StoreFile(), records)) return;
    // The store holds disabled entries only, whatever language wrote them.
    std::vector<EntryRow> stored;
    for (const StartupEntry& record : records) {
        stored.push_back(RowFromRecord(record, book));
        stored.back().entry.status = book.current.disabled;
        stored.back().stored = true;
    }
    AttachStoreValues(places, stored);
    AttachKeptFiles(places, stored);
    rows.insert(rows.end(), stored.begin(), stored.end());
}

std::vector<EntryRow> RowsFromProfile(const std::vector<StartupEntry>& records,
                                      const LabelBook& book) {
    std::vector<EntryRow> rows;
    for (const StartupEntry& record : records) {
        EntryRow row = RowFromRecord(record, book);
        const Status status = book.StatusAcross(record.status);
        if (status != Status::Other) row.entry.status = StatusText(book.current, status);
        rows.push_back(row);
    }
    return rows;
}

std::vector<EntryRow> LoadAllEntries(const Places& places, const LabelBook& book) {
    std::vector<EntryRow> rows;
    SetRegRunIntoList(HKEY_CURRENT_USER, "Run", book.current, rows);
    for (const char* key : {"Run", "RunOnce", "RunOnceEx", "RunServices"})
        SetRegRunIntoList(HKEY_LOCAL_MACHINE, key, book.current, rows);
    SetWinIniIntoList(places, book.current, rows);
    SetStartupFolderIntoList(places, book.current, rows);
    LoadDisabledEntries(places, book, rows);
    return rows;
}

}  // namespace startup
