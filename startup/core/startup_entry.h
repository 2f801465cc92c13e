#pragma once
// One start-up entry: the six texts the list shows and the record files
// keep, plus what the program knows about it that no file holds: the place
// it lives in (independent of the language), its registry value or file as
// read, and which entry it stands for.
#include <string>

namespace startup {

// Where an entry lives. The first eight are also the indexes of the
// location labels (LocationNames); RunServices has no label of its own.
enum Place : int {
    kUserRun = 0,
    kMachineRun = 1,
    kMachineRunOnce = 2,
    kMachineRunOnceEx = 3,
    kUserStartup = 4,
    kCommonStartup = 5,
    kWinIniLoad = 6,
    kWinIniRun = 7,
    kMachineRunServices = 8,
    kUnknownPlace = -1,
};
constexpr int kLabelledPlaces = 8;

// Field order is the column order and the line order of a record.
struct StartupEntry {
    std::string taskName;
    std::string status;
    std::string loadFrom;
    std::string user;
    std::string when;
    std::string location;  // the command line

    bool operator==(const StartupEntry& other) const {
        return taskName == other.taskName && status == other.status &&
               loadFrom == other.loadFrom && user == other.user && when == other.when &&
               location == other.location;
    }
};

// A row of the list.
struct EntryRow {
    StartupEntry entry;
    int place = kUnknownPlace;
    // The registry value as found: its type and its data byte for byte
    // (REG_DWORD, REG_MULTI_SZ and the rest come back as they were); type 0
    // and no data when unknown (a record written by an older store).
    unsigned long valueType = 0;
    std::string valueData;
    // A Startup-folder entry's file under the name the folder listing gives
    // it (for a stored entry, the name its file is kept under); "" for a
    // file yet to be made, which takes the task name and ".lnk".
    std::string fileName;
    // That file's bytes as read, to see a change made behind the list.
    std::string fileBytes;
    // Kept in the disabled-entry store as of the last apply (or load), not
    // in its start-up place.
    bool stored = false;
    // The one entry the row was read from, live or stored, as the list's
    // snapshot knows it; 0 for a row that stands for none yet.
    int id = 0;

    std::string ShortcutFile() const {
        return fileName.empty() ? entry.taskName + ".lnk" : fileName;
    }
};

}  // namespace startup
