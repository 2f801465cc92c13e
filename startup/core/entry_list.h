#pragma once
// The working copy of the start-up entries that the main form shows: the
// rows, the snapshot of what was last applied (AppliedEntries), the pending
// status changes and the apply that carries them to the system and the
// disabled-entry store. Each row stands for at most one entry of the
// snapshot (a live entry by its place and the name the system keeps it
// under, a stored entry by its own record), no entry for two rows, and the
// apply changes an entry only while the system still holds it as read.
#include <functional>
#include <string>
#include <vector>

#include "startup/core/folders.h"
#include "startup/core/labels.h"
#include "startup/core/startup_entry.h"

namespace startup {

enum class ToggleResult { Disabled, Enabled, RefusedLineBreak, NoRow };

struct ApplyResult {
    // The store could not be written before anything was taken out; the
    // system and the list are as they were.
    bool storeFailed = false;
    // One line per entry the system refused (those rows keep their status)
    // or found changed since it was read (those rows show it as it is now).
    std::vector<std::string> failures;
};

// Asked before a stored entry is put back over a live entry of the same
// place and name; false (or no question) keeps both as they are. An added
// or a profile's row replaces the live entry without asking (the add
// dialog has asked), and the replaced entry's row leaves the list.
using ReplaceQuestion = std::function<bool(const EntryRow& stored)>;

class EntryList {
public:
    EntryList(Places places, LabelBook book);

    const std::vector<EntryRow>& Rows() const { return rows_; }
    const std::vector<EntryRow>& AppliedEntries() const { return applied_; }
    int AppliedCount() const { return static_cast<int>(applied_.size()); }
    const Labels& CurrentLabels() const { return book_.current; }
    const Places& GetPlaces() const { return places_; }

    // A full load (the form's start and a language change): the list from
    // the system and the store, and the snapshot taken from it.
    void Load(LabelBook book);
    Status StatusAt(size_t row) const;

    // cmdDisable: an enabled row becomes disabled, any other enabled. An
    // entry with a line break in a field cannot be kept in the store, so it
    // is not disabled.
    ToggleResult ToggleDisable(size_t row);
    // cmdRemove: marked for removal at the next apply.
    bool MarkRemove(size_t row);
    // A row of the add dialog, applied as new.
    void AddRow(const EntryRow& row);
    // A live entry of this place and name that stays: its row is not marked
    // for removal, or the system holds one the list does not show.
    bool HasLiveRow(int place, const std::string& taskName) const;
    // The value of a win.ini place as the list holds it live; "" when none.
    std::string WinIniValue(int place) const;
    // Reset All: the snapshot's entries that are not disabled, then its
    // stored ones (the store's records). The snapshot stays.
    void ResetAll();
    // A loaded profile replaces the rows; each stands for a snapshot entry
    // of its place and task name that no other row stands for (a disabled
    // row for a stored one first), or for none, and is applied where it
    // differs from it. `values` (the profile's side file) gives rows their
    // registry values. Stored entries the profile does not hold stay, as
    // disabled rows.
    void LoadProfile(const std::vector<StartupEntry>& records,
                     const std::string& values = std::string());
    // Every row as its six texts (profiles).
    std::vector<StartupEntry> Entries() const;

    ApplyResult ApplyNow(const ReplaceQuestion& mayReplace = ReplaceQuestion());
    // SaveDisabledEntries: the snapshot's stored entries to the store, or
    // the store removed when there are none. False when a file could not
    // be changed.
    bool SaveDisabledEntries() const;

private:
    EntryRow* Snapshot(int id);
    const EntryRow* Snapshot(int id) const;
    int FreeSnapshotEntry(const EntryRow& row, bool stored, const std::vector<bool>& held) const;
    // The row's entry as the snapshot holds it from now on.
    void Remember(EntryRow& row);
    void Forget(int id);
    // The row as the store keeps it once its live entry has been taken out.
    EntryRow TakenOut(EntryRow row) const;
    bool KeepInStoreFirst() const;
    // Each answers "" or the failure to report; `gone` marks rows that
    // leave the list.
    std::string ApplyRow(size_t index, const ReplaceQuestion& mayReplace, std::vector<bool>& gone);
    std::string ChangeLive(size_t index, std::vector<bool>& gone);
    std::string PutIn(size_t index, const ReplaceQuestion& mayReplace, std::vector<bool>& gone);
    // A live entry found changed: it and every row of it show it as it is.
    std::string ShowAsItIs(const EntryRow& now);

    Places places_;
    LabelBook book_;
    std::vector<EntryRow> rows_;
    std::vector<EntryRow> applied_;
    int lastId_ = 0;
};

}  // namespace startup
