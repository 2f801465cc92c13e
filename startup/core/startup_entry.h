#pragma once
// One start-up entry: the six texts the list shows and the record files
// keep, plus what the program knows about it that no file holds: the place
// it lives in (independent of the language) and its registry value type.
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
    // REG_SZ or REG_EXPAND_SZ as found in the registry; 0 when unknown
    // (read back from a record file).
    unsigned long valueType = 0;
    // Applied by its own status at the next apply, whatever the snapshot
    // holds at its position (rows of a loaded profile, rows whose last
    // apply failed).
    bool changed = false;
};

}  // namespace startup
