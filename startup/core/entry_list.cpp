#include "startup/core/entry_list.h"

#include <windows.h>

#include <algorithm>

#include "startup/core/disabled_store.h"
#include "startup/core/loaders.h"
#include "startup/core/location_actions.h"
#include "startup/core/record_file.h"

namespace startup {
namespace {

// Registry value names and file names compare without regard to case.
bool SameEntry(const EntryRow& a, const EntryRow& b) {
    return a.place == b.place && a.stored == b.stored &&
           lstrcmpiA(a.entry.taskName.c_str(), b.entry.taskName.c_str()) == 0 &&
           (a.place != kUnknownPlace || a.entry.loadFrom == b.entry.loadFrom);
}

}  // namespace

EntryList::EntryList(Places places, LabelBook book)
    : places_(std::move(places)), book_(std::move(book)) {}

void EntryList::Load(LabelBook book) {
    book_ = std::move(book);
    rows_ = LoadAllEntries(places_, book_);
    applied_ = rows_;
}

Status EntryList::StatusAt(size_t row) const {
    return row < rows_.size() ? StatusOf(book_.current, rows_[row].entry.status) : Status::Other;
}

ToggleResult EntryList::ToggleDisable(size_t row) {
    if (row >= rows_.size()) return ToggleResult::NoRow;
    EntryRow& target = rows_[row];
    if (StatusAt(row) == Status::Enabled) {
        if (HasLineBreak(target.entry)) return ToggleResult::RefusedLineBreak;
        target.entry.status = book_.current.disabled;
        return ToggleResult::Disabled;
    }
    target.entry.status = book_.current.enabled;
    return ToggleResult::Enabled;
}

bool EntryList::MarkRemove(size_t row) {
    if (row >= rows_.size()) return false;
    rows_[row].entry.status = book_.current.remove;
    return true;
}

void EntryList::AddRow(const EntryRow& row) { rows_.push_back(row); }

bool EntryList::HasLiveRow(int place, const std::string& taskName) const {
    EntryRow probe;
    probe.place = place;
    probe.entry.taskName = taskName;
    for (size_t i = 0; i < rows_.size(); ++i) {
        if (SameEntry(rows_[i], probe)) return StatusAt(i) != Status::Remove;
    }
    return LiveEntryExists(probe, places_);
}

void EntryList::ResetAll() {
    rows_.clear();
    for (const EntryRow& row : applied_) {
        if (!row.stored) rows_.push_back(row);
    }
    LoadDisabledEntries(places_, book_, rows_);
}

void EntryList::LoadProfile(const std::vector<StartupEntry>& records) {
    rows_ = RowsFromProfile(records, book_);
    std::vector<bool> held(applied_.size(), false);
    for (EntryRow& row : rows_) {
        // A disabled row stands for the stored entry of its name, any other
        // for the live one, each when there is one.
        row.stored = StatusOf(book_.current, row.entry.status) == Status::Disabled;
        int at = SnapshotOf(row);
        if (at < 0) {
            row.stored = !row.stored;
            at = SnapshotOf(row);
        }
        if (at < 0) {
            row.stored = false;
            continue;
        }
        held[at] = true;
        const EntryRow& before = applied_[at];
        if (before.entry.location == row.entry.location) {
            row.valueType = before.valueType;
            row.valueData = before.valueData;
        }
    }
    for (size_t i = 0; i < applied_.size(); ++i) {
        if (applied_[i].stored && !held[i]) rows_.push_back(applied_[i]);
    }
}

std::vector<StartupEntry> EntryList::Entries() const {
    std::vector<StartupEntry> entries;
    for (const EntryRow& row : rows_) entries.push_back(row.entry);
    return entries;
}

int EntryList::SnapshotOf(const EntryRow& row) const {
    for (size_t i = 0; i < applied_.size(); ++i) {
        if (SameEntry(applied_[i], row)) return static_cast<int>(i);
    }
    return -1;
}

// Before anything leaves its place, the store holds every entry that is
// disabled now or was disabled at the last apply, so a failure on the way
// loses none of them.
bool EntryList::KeepInStoreFirst() const {
    std::vector<EntryRow> keep;
    auto add = [&keep, this](EntryRow row) {
        row.entry.status = book_.current.disabled;
        for (const EntryRow& kept : keep) {
            if (kept.entry == row.entry) return;
        }
        keep.push_back(row);
    };
    for (const EntryRow& row : applied_) {
        if (row.stored) add(row);
    }
    for (size_t i = 0; i < rows_.size(); ++i) {
        if (StatusAt(i) == Status::Disabled) add(rows_[i]);
    }
    return keep.empty() || SaveStore(keep, places_) == WriteResult::Written;
}

// False when the row's entry is still as `before` holds it: the system
// refused (`failure` says why) or the user kept a live twin.
bool EntryList::ApplyRow(EntryRow& row, const EntryRow* before,
                         const ReplaceQuestion& mayReplace, std::string& failure) {
    const Status status = StatusOf(book_.current, row.entry.status);
    if (status == Status::Other) return true;
    if (before && before->entry.status == row.entry.status &&
        before->entry.location == row.entry.location) {
        return true;
    }
    if (status == Status::Enabled && row.place == kUnknownPlace) {
        failure = "\"" + row.entry.taskName + "\" (" + row.entry.loadFrom + "): " +
                  book_.current.unknownPlace;
        return false;
    }
    if (row.stored) {
        // A stored entry's own actions reach the store, never a live twin
        // unless the user lets it replace one.
        if (status == Status::Remove) failure = ForgetStoredEntry(row, places_);
        if (status == Status::Enabled) {
            if (LiveEntryExists(row, places_) && !(mayReplace && mayReplace(row))) return false;
            failure = RestoreStartupEntry(row, places_);
        }
    } else if (status == Status::Enabled) {
        failure = RestoreStartupEntry(row, places_);
    } else if (before) {
        failure = status == Status::Disabled ? DisableStartupEntry(row, places_)
                                             : RemoveStartupEntry(row, places_);
    }
    return failure.empty();
}

ApplyResult EntryList::ApplyNow(const ReplaceQuestion& mayReplace) {
    ApplyResult result;
    if (!KeepInStoreFirst()) {
        result.storeFailed = true;
        return result;
    }
    std::vector<EntryRow> rows;
    std::vector<EntryRow> applied;
    std::vector<bool> listed(applied_.size(), false);
    for (EntryRow& row : rows_) {
        const int at = SnapshotOf(row);
        const EntryRow* before = at >= 0 ? &applied_[at] : nullptr;
        if (at >= 0) listed[at] = true;
        std::string failure;
        if (ApplyRow(row, before, mayReplace, failure)) {
            const Status status = StatusOf(book_.current, row.entry.status);
            if (status == Status::Remove) continue;
            if (status != Status::Other) row.stored = status == Status::Disabled;
        } else {
            if (!failure.empty()) result.failures.push_back(failure);
            // The row shows the entry as the system still has it; a new one
            // is tried again at the next apply.
            if (before) row = *before;
            else if (failure.empty()) row.entry.status = book_.current.disabled;
        }
        rows.push_back(row);
        if (before || failure.empty()) applied.push_back(row);
    }
    // Entries the list no longer shows (a loaded profile left them out) are
    // where they were.
    for (size_t i = 0; i < applied_.size(); ++i) {
        if (!listed[i]) applied.push_back(applied_[i]);
    }
    rows_ = rows;
    applied_ = applied;
    if (!SaveDisabledEntries()) {
        result.failures.push_back("The list of disabled entries could not be written to " +
                                  places_.StoreFile() + ".");
    }
    return result;
}

bool EntryList::SaveDisabledEntries() const {
    std::vector<EntryRow> stored;
    for (const EntryRow& row : applied_) {
        if (row.stored) stored.push_back(row);
    }
    if (stored.empty()) return DeleteStore(places_);
    return SaveStore(stored, places_) == WriteResult::Written;
}

}  // namespace startup
