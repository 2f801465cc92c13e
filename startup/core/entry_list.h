#pragma once
// The working copy of the start-up entries that the main form shows: the
// rows, the snapshot of what was last applied (AppliedEntries), the pending
// status changes and the apply that carries them to the system and the
// disabled-entry store.
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
    // One line per entry the system refused; those rows keep their status.
    std::vector<std::string> failures;
};

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
    // Reset All: the snapshot's entries that are not disabled, then the
    // store's records. The snapshot stays.
    void ResetAll();
    // A loaded profile replaces the rows; the snapshot stays, and every row
    // is applied by its own status at the next apply.
    void LoadProfile(const std::vector<StartupEntry>& records);
    // Every row as its six texts (profiles).
    std::vector<StartupEntry> Entries() const;

    ApplyResult ApplyNow();
    // SaveDisabledEntries: the disabled rows to the store, or the store
    // removed when there are none. False when the file could not be changed.
    bool SaveDisabledEntries() const;

private:
    bool PendingAt(size_t row) const;
    bool KeepInStoreFirst() const;
    void ApplyRow(size_t index, ApplyResult& result);

    Places places_;
    LabelBook book_;
    std::vector<EntryRow> rows_;
    std::vector<EntryRow> applied_;
};

}  // namespace startup
