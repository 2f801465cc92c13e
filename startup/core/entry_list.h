#pragma once
// The working copy of the start-up entries that the main form shows: the
// rows, the snapshot of what was last applied (AppliedEntries), the pending
// status changes and the apply that carries them to the system and the
// disabled-entry store. A row and its snapshot row are the same entry by
// place, name and side of the store, wherever either stands in its list.
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
    // One line per entry the system refused; those rows keep their status.
    std::vector<std::string> failures;
};

// Asked before a stored entry is put back over a live entry of the same
// place and name; false (or no question) keeps both as they are.
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
    // Reset All: the snapshot's entries that are not disabled, then the
    // store's records. The snapshot stays.
    void ResetAll();
    // A loaded profile replaces the rows; each stands for the snapshot's
    // entry of its place and name and is applied where it differs from it.
    // Stored entries the profile does not hold stay, as disabled rows.
    void LoadProfile(const std::vector<StartupEntry>& records);
    // Every row as its six texts (profiles).
    std::vector<StartupEntry> Entries() const;

    ApplyResult ApplyNow(const ReplaceQuestion& mayReplace = ReplaceQuestion());
    // SaveDisabledEntries: the snapshot's stored entries to the store, or
    // the store removed when there are none. False when a file could not
    // be changed.
    bool SaveDisabledEntries() const;

private:
    int SnapshotOf(const EntryRow& row) const;
    bool KeepInStoreFirst() const;
    bool ApplyRow(EntryRow& row, const EntryRow* before, const ReplaceQuestion& mayReplace,
                  std::string& failure);

    Places places_;
    LabelBook book_;
    std::vector<EntryRow> rows_;
    std::vector<EntryRow> applied_;
};

}  // namespace startup
