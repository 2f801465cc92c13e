#pragma once
// The three registry operations behind the wizard: the backup of the values
// found in the system (with those values read into the settings' priors),
// the apply of the chosen values, and the reset to the backup.
//
// The backup keeps every value as it was stored (type and bytes), whatever
// its type or length, so a reset brings back exactly what was there and
// deletes only what was not. A backup followed by an apply is never
// replaced: it is the state from before any tuning. A reset removes the
// backup only when every value went back.
#include <string>

#include "tuning/model/registry.h"
#include "tuning/model/tuning_settings.h"

namespace tuning {

struct BackupResult {
    bool kept = false;  // an earlier backup from before an apply stays
    int failures = 0;   // values or keys that could not be stored
};

struct ApplyResult {
    int failures = 0;  // values that could not be written, modem records included
    bool Succeeded() const { return failures == 0; }
};

struct ResetResult {
    bool noBackup = false;  // nothing to reset to; nothing was changed
    int failures = 0;       // values that could not be restored or removed
    bool backupRemoved = false;
    bool Succeeded() const { return !noBackup && failures == 0; }
};

class SettingsStore {
public:
    SettingsStore(Registry& registry, Family family) : registry_(registry), family_(family) {}

    bool HasBackup() const;
    // True when a backup exists that the next backup would replace (no
    // settings have been applied over it).
    bool BackupWouldBeReplaced() const;

    BackupResult BackupOriginalSettings(TuningSettings& settings);
    // Boosts the modems first when one was found.
    ApplyResult ApplySettings(const TuningSettings& settings, bool modemFound);
    ResetResult ResetSettings();

private:
    // Reads one value into `value` and copies it into the backup under
    // `backupName`; false when the value is not there (a failed copy counts
    // as a failure).
    bool BackupValue(Hive hive, const std::string& key, const std::string& name,
                     const std::string& backupKey, const std::string& backupName,
                     RegValue& value);
    void BackupMTUNT(TuningSettings& settings);
    void BackupMTU9x(TuningSettings& settings);
    std::string FindDialUpNetTrans() const;
    void ApplyMTUNT(const TuningSettings& settings);
    void ApplyMTU9x(const TuningSettings& settings);
    void ResetMTUNT();
    void ResetMTU9x();
    // The backed-up value written back into `key`, or the value deleted
    // from `key` when the backup has none.
    void Restore(Hive hive, const std::string& key, const std::string& name,
                 const std::string& backupKey, const std::string& backupName);
    void Write(Hive hive, const std::string& key, const std::string& name, const RegValue& value);
    void WriteNumber(Hive hive, const std::string& key, const std::string& name, int number);

    Registry& registry_;
    Family family_;
    bool writeBackup_ = true;
    int failures_ = 0;
};

// The leading decimal digits of a 9x numeric text (0 when there are none).
int LeadingNumber(const std::string& text);

}  // namespace tuning
