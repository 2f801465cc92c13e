#include "startup/core/entry_list.h"

#include <algorithm>

#include "startup/core/loaders.h"
#include "startup/core/location_actions.h"
#include "startup/core/record_file.h"
#include "startup/core/store_file.h"

namespace startup {

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

void EntryList::ResetAll() {
    rows_.clear();
    for (const EntryRow& row : applied_) {
        if (StatusOf(book_.current, row.entry.status) != Status::Disabled) rows_.push_back(row);
    }
    LoadDisabledEntries(places_, book_, rows_);
}

void EntryList::LoadProfile(const std::vector<StartupEntry>& records) {
    rows_ = RowsFromProfile(records, book_);
}

std::vector<StartupEntry> EntryList::Entries() const {
    std::vector<StartupEntry> entries;
    for (const EntryRow& row : rows_) entries.push_back(row.entry);
    return entries;
}

bool EntryList::PendingAt(size_t row) const {
    return row >= applied_.size() || rows_[row].changed ||
           rows_[row].entry.status != applied_[row].entry.status;
}

// Before anything leaves its place, the store holds every entry that is
// disabled now or was disabled at the last apply, so a failure on the way
// loses none of them.
bool EntryList::KeepInStoreFirst() const {
    std::vector<StartupEntry> keep;
    auto add = [&keep, this](StartupEntry entry) {
        entry.status = book_.current.disabled;
        if (std::find(keep.begin(), keep.end(), entry) == keep.end()) keep.push_back(entry);
    };
    for (const EntryRow& row : applied_) {
        if (StatusOf(book_.current, row.entry.status) == Status::Disabled) add(row.entry);
    }
    for (size_t i = 0; i < rows_.size(); ++i) {
        if (StatusAt(i) == Status::Disabled) add(rows_[i].entry);
    }
    return keep.empty() || SaveEntriesToFile(keep, places_.StoreFile()) == WriteResult::Written;
}

void EntryList::ApplyRow(size_t index, ApplyResult& result) {
    EntryRow& row = rows_[index];
    const Status status = StatusAt(index);
    const bool known = index < applied_.size() && !row.changed;
    std::string failure;
    if (status == Status::Enabled) {
        failure = RestoreStartupEntry(row, places_);
    } else if ((status == Status::Disabled || status == Status::Remove) &&
               (known || row.changed)) {
        // A new row (added, never applied) is not in the system yet.
        failure = RemoveStartupEntry(row, places_);
    }
    if (failure.empty()) {
        row.changed = false;
        return;
    }
    result.failures.push_back(failure);
    // The row keeps the status the system still has; one whose status is
    // not known is tried again at the next apply.
    if (known) {
        row.entry.status = applied_[index].entry.status;
    } else {
        row.changed = true;
    }
}

ApplyResult EntryList::ApplyNow() {
    ApplyResult result;
    if (!KeepInStoreFirst()) {
        result.storeFailed = true;
        return result;
    }
    for (size_t i = 0; i < rows_.size(); ++i) {
        if (PendingAt(i)) ApplyRow(i, result);
    }
    rows_.erase(std::remove_if(rows_.begin(), rows_.end(),
                               [this](const EntryRow& row) {
                                   return StatusOf(book_.current, row.entry.status) ==
                                          Status::Remove;
                               }),
                rows_.end());
    applied_ = rows_;
    if (!SaveDisabledEntries()) {
        result.failures.push_back("The list of disabled entries could not be written to " +
                                  places_.StoreFile() + ".");
    }
    return result;
}

bool EntryList::SaveDisabledEntries() const {
    std::vector<StartupEntry> disabled;
    for (size_t i = 0; i < rows_.size(); ++i) {
        if (StatusAt(i) == Status::Disabled) disabled.push_back(rows_[i].entry);
    }
    if (disabled.empty()) return DeleteFileForced(places_.StoreFile());
    return SaveEntriesToFile(disabled, places_.StoreFile()) == WriteResult::Written;
}

}  // namespace startup
