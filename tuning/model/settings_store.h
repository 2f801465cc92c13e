#pragma once
// The three registry operations behind the wizard: the backup of the values
// found in the system (with those values read into the settings' priors),
// the apply of the chosen values, and the reset to the backup.
//
// The backup keeps every value as it was stored (type and bytes), whatever
// its type or length, and records each value that was not there, so a reset
// brings back exactly what was there and deletes only what Set created. A
// value the backup knows neither way (it could not be read or copied, or its
// place came later) is left alone by the apply and by the reset. A backup
// followed by an apply is never replaced: it is the state from before any
// tuning, and a later backup only adds the values it does not know yet. A
// reset removes the backup only when every value went back, and removes it
// so that a part left behind still reads as it was written; a key that no
// longer exists has nothing left to put back.
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
    int unsaved = 0;   // values left as they were because the backup has no copy
    bool Succeeded() const { return failures == 0 && unsaved == 0; }
};

struct ResetResult {
    bool noBackup = false;  // nothing to reset to; nothing was changed
    int failures = 0;       // values that could not be restored or removed
    bool backupRemoved = false;  // false with no failures: the backup could not be removed
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
    // What the backup holds for one value.
    enum class Backed { Copy, Absent, Unknown, Unreadable };

    // Reads one value into `value`; false when it is not there or cannot be
    // read. Unless the backup knows it already, the value is copied into the
    // backup under `backupName`, or recorded there as absent; a value that
    // cannot be read, or a failed copy, counts as a failure.
    bool BackupValue(Hive hive, const std::string& key, const std::string& name,
                     const std::string& backupKey, const std::string& backupName,
                     RegValue& value);
    void Save(const std::string& backupKey, const std::string& backupName, const RegValue& value);
    // `copy` receives the backed-up value when there is one.
    Backed BackedAs(const std::string& backupKey, const std::string& backupName,
                    RegValue* copy = nullptr) const;
    void BackupMTUNT(TuningSettings& settings);
    void BackupMTU9x(TuningSettings& settings);
    std::string FindDialUpNetTrans() const;
    // Writes the value when the backup can put it back, else counts it as
    // unsaved.
    void ApplyValue(Hive hive, const std::string& key, const std::string& name,
                    const std::string& backupKey, const std::string& backupName,
                    const RegValue& value);
    void ApplyNumber(Hive hive, const std::string& key, const std::string& name,
                     const std::string& backupKey, const std::string& backupName, int number);
    void ApplyMTUNT(const TuningSettings& settings);
    void ApplyMTU9x(const TuningSettings& settings);
    // A copy of a modem's record in the backup before the boost changes it.
    bool SaveModem(const std::string& modem, const RegValue& record);
    void ResetMTUNT();
    void ResetMTU9x();
    void ResetModems();
    // The backed-up value written back into `key`, or the value deleted
    // from `key` when the backup knows it was not there; a backup entry that
    // cannot be read counts as a failure.
    void Restore(Hive hive, const std::string& key, const std::string& name,
                 const std::string& backupKey, const std::string& backupName);
    // False when a part of the backup stays.
    bool RemoveBackup();
    void Write(Hive hive, const std::string& key, const std::string& name, const RegValue& value);

    Registry& registry_;
    Family family_;
    int failures_ = 0;
    int unsaved_ = 0;
};

// The leading decimal digits of a 9x numeric text (0 when there are none).
int LeadingNumber(const std::string& text);

}  // namespace tuning
