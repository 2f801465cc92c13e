#include "startup/core/entry_list.h"

#include <windows.h>

#include <algorithm>

#include "startup/core/disabled_store.h"
#include "startup/core/kept_values.h"
#include "startup/core/loaders.h"
#include "startup/core/location_actions.h"
#include "startup/core/record_file.h"

namespace startup {
namespace {

bool WinIniPlace(int place) { return place == kWinIniLoad || place == kWinIniRun; }

// The name a live entry is kept under in its place: a registry value's or
// a Startup-folder file's; a win.ini place holds one value whatever a row
// calls it.
std::string LiveName(const EntryRow& row) {
    if (WinIniPlace(row.place)) return std::string();
    if (row.place == kUserStartup || row.place == kCommonStartup) return row.ShortcutFile();
    return row.entry.taskName;
}

bool SamePlace(const EntryRow& a, const EntryRow& b) {
    return a.place == b.place && (a.place != kUnknownPlace || a.entry.loadFrom == b.entry.loadFrom);
}

// Registry value names and file names compare without regard to case.
bool SameLiveEntry(const EntryRow& a, const EntryRow& b) {
    return SamePlace(a, b) && lstrcmpiA(LiveName(a).c_str(), LiveName(b).c_str()) == 0;
}

// What a profile's row may stand for: an entry of its place and task name.
bool SameTask(const EntryRow& a, const EntryRow& b) {
    return SamePlace(a, b) &&
           (WinIniPlace(a.place) ||
            lstrcmpiA(a.entry.taskName.c_str(), b.entry.taskName.c_str()) == 0);
}

std::string Named(const EntryRow& row, const std::string& reason) {
    return "\"" + row.entry.taskName + "\" (" + row.entry.loadFrom + "): " + reason;
}

}  // namespace

EntryList::EntryList(Places places, LabelBook book)
    : places_(std::move(places)), book_(std::move(book)) {}

void EntryList::Load(LabelBook book) {
    book_ = std::move(book);
    rows_ = LoadAllEntries(places_, book_);
    for (EntryRow& row : rows_) row.id = ++lastId_;
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

void EntryList::AddRow(const EntryRow& row) {
    rows_.push_back(row);
    rows_.back().id = 0;
}

bool EntryList::HasLiveRow(int place, const std::string& taskName) const {
    EntryRow probe;
    probe.place = place;
    probe.entry.taskName = taskName;
    for (size_t i = 0; i < rows_.size(); ++i) {
        if (!rows_[i].stored && SameLiveEntry(rows_[i], probe))
            return StatusAt(i) != Status::Remove;
    }
    return LiveEntryExists(probe, places_);
}

std::string EntryList::WinIniValue(int place) const {
    std::string value;
    for (size_t i = 0; i < rows_.size(); ++i) {
        if (rows_[i].place == place && !rows_[i].stored && StatusAt(i) != Status::Remove)
            value = rows_[i].entry.location;
    }
    return value;
}

// The snapshot's live entries, then its stored ones (the store holds
// exactly these since the last apply).
void EntryList::ResetAll() {
    rows_.clear();
    for (bool stored : {false, true}) {
        for (const EntryRow& row : applied_) {
            if (row.stored == stored) rows_.push_back(row);
        }
    }
}

void EntryList::LoadProfile(const std::vector<StartupEntry>& records, const std::string& values) {
    rows_ = RowsFromProfile(records, book_);
    AttachKeptValues(values, rows_);
    std::vector<bool> held(applied_.size(), false);
    for (EntryRow& row : rows_) {
        const bool disabled = StatusOf(book_.current, row.entry.status) == Status::Disabled;
        int at = FreeSnapshotEntry(row, disabled, held);
        if (at < 0) at = FreeSnapshotEntry(row, !disabled, held);
        // A row whose entry another row holds is a row of its own.
        if (at < 0) continue;
        held[at] = true;
        const EntryRow& before = applied_[at];
        row.id = before.id;
        row.stored = before.stored;
        row.fileName = before.fileName;
        if (row.valueType == 0 && before.entry.location == row.entry.location) {
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

EntryRow* EntryList::Snapshot(int id) {
    return const_cast<EntryRow*>(static_cast<const EntryList*>(this)->Snapshot(id));
}

const EntryRow* EntryList::Snapshot(int id) const {
    for (const EntryRow& row : applied_) {
        if (id != 0 && row.id == id) return &row;
    }
    return nullptr;
}

int EntryList::FreeSnapshotEntry(const EntryRow& row, bool stored,
                                 const std::vector<bool>& held) const {
    for (size_t i = 0; i < applied_.size(); ++i) {
        if (!held[i] && applied_[i].stored == stored && SameTask(applied_[i], row))
            return static_cast<int>(i);
    }
    return -1;
}

void EntryList::Remember(EntryRow& row) {
    if (EntryRow* before = Snapshot(row.id)) {
        *before = row;
        return;
    }
    row.id = ++lastId_;
    applied_.push_back(row);
}

void EntryList::Forget(int id) {
    if (id == 0) return;
    applied_.erase(std::remove_if(applied_.begin(), applied_.end(),
                                  [id](const EntryRow& row) { return row.id == id; }),
                   applied_.end());
}

// What the system held is what the store keeps, whatever command a
// profile's row gave the entry.
EntryRow EntryList::TakenOut(EntryRow row) const {
    const EntryRow* live = Snapshot(row.id);
    if (live && !live->stored) {
        row.entry.location = live->entry.location;
        row.valueType = live->valueType;
        row.valueData = live->valueData;
        row.fileName = live->fileName;
    }
    row.entry.status = book_.current.disabled;
    row.stored = true;
    return row;
}

// Before anything leaves its place, the store holds every entry that is
// disabled now or was disabled at the last apply, so a failure on the way
// loses none of them.
bool EntryList::KeepInStoreFirst() const {
    std::vector<EntryRow> keep;
    for (const EntryRow& row : applied_) {
        if (row.stored) keep.push_back(row);
    }
    for (size_t i = 0; i < rows_.size(); ++i) {
        const EntryRow* before = Snapshot(rows_[i].id);
        if (StatusAt(i) == Status::Disabled && !(before && before->stored))
            keep.push_back(TakenOut(rows_[i]));
    }
    return keep.empty() || SaveStore(keep, places_) == WriteResult::Written;
}

std::string EntryList::ShowAsItIs(const EntryRow& now) {
    *Snapshot(now.id) = now;
    for (EntryRow& row : rows_) {
        if (row.id == now.id) row = now;
    }
    return Named(now, book_.current.changedBehind);
}

std::string EntryList::ApplyRow(size_t index, const ReplaceQuestion& mayReplace,
                                std::vector<bool>& gone) {
    EntryRow& row = rows_[index];
    const Status status = StatusAt(index);
    const EntryRow* before = Snapshot(row.id);
    if (status == Status::Other || (before && before->entry.status == row.entry.status &&
                                    before->entry.location == row.entry.location)) {
        return std::string();
    }
    if (before && !before->stored) return ChangeLive(index, gone);
    if (status == Status::Enabled) return PutIn(index, mayReplace, gone);
    if (status == Status::Disabled) {
        row.stored = true;
        Remember(row);
        return std::string();
    }
    // A stored entry's removal reaches the store only.
    const std::string failure = before ? ForgetStoredEntry(*before, places_) : std::string();
    if (!failure.empty()) {
        row = *before;
        return failure;
    }
    Forget(row.id);
    gone[index] = true;
    return std::string();
}

// A live entry taken out, or written with a profile's command, only while
// the system holds it as it was read.
std::string EntryList::ChangeLive(size_t index, std::vector<bool>& gone) {
    EntryRow& row = rows_[index];
    const Status status = StatusAt(index);
    const EntryRow before = *Snapshot(row.id);
    EntryRow now;
    if (ChangedBehind(before, places_, now)) return ShowAsItIs(now);
    std::string failure;
    if (status == Status::Remove)
        failure = RemoveStartupEntry(before, places_);
    else if (status == Status::Disabled)
        failure = DisableStartupEntry(before, places_);
    else if (NothingToPutBack(row, places_))
        failure = Named(row, book_.current.nothingToPutBack);
    else
        failure = RestoreStartupEntry(row, places_);
    if (!failure.empty()) {
        row = before;
        return failure;
    }
    if (status == Status::Remove) {
        Forget(row.id);
        gone[index] = true;
        return std::string();
    }
    if (status == Status::Disabled) {
        row = TakenOut(row);
    } else {
        ReadLiveEntry(places_, row);
    }
    Remember(row);
    return std::string();
}

// A stored or new entry written to its place. The live entry it replaces
// there leaves the list, unless it changed since it was read.
std::string EntryList::PutIn(size_t index, const ReplaceQuestion& mayReplace,
                             std::vector<bool>& gone) {
    EntryRow& row = rows_[index];
    const EntryRow* before = Snapshot(row.id);
    std::string failure;
    if (row.place == kUnknownPlace) {
        failure = Named(row, book_.current.unknownPlace);
    } else if (NothingToPutBack(row, places_)) {
        failure = Named(row, book_.current.nothingToPutBack);
    } else if (row.stored && LiveEntryExists(row, places_) && !(mayReplace && mayReplace(row))) {
        // The user keeps the live one.
        if (before) row = *before;
        return std::string();
    }
    int replaced = 0;
    for (const EntryRow& live : applied_) {
        if (!live.stored && live.id != row.id && SameLiveEntry(live, row)) replaced = live.id;
    }
    EntryRow now;
    if (failure.empty() && replaced && ChangedBehind(*Snapshot(replaced), places_, now))
        failure = ShowAsItIs(now);
    if (failure.empty()) failure = RestoreStartupEntry(row, places_);
    if (!failure.empty()) {
        // A stored row shows the entry as the store still has it; a new
        // one is tried again at the next apply.
        if (before) row = *before;
        return failure;
    }
    for (size_t i = 0; replaced && i < rows_.size(); ++i) {
        if (rows_[i].id == replaced) gone[i] = true;
    }
    Forget(replaced);
    row.stored = false;
    ReadLiveEntry(places_, row);
    Remember(row);
    return std::string();
}

ApplyResult EntryList::ApplyNow(const ReplaceQuestion& mayReplace) {
    ApplyResult result;
    if (!KeepInStoreFirst()) {
        result.storeFailed = true;
        return result;
    }
    // Entries leave their places before others are put there, so one put
    // where another is taken out in the same apply finds its place free.
    std::vector<bool> gone(rows_.size(), false);
    for (bool putIn : {false, true}) {
        for (size_t i = 0; i < rows_.size(); ++i) {
            if (gone[i] || (StatusAt(i) == Status::Enabled) != putIn) continue;
            const std::string failure = ApplyRow(i, mayReplace, gone);
            if (!failure.empty()) result.failures.push_back(failure);
        }
    }
    std::vector<EntryRow> rows;
    for (size_t i = 0; i < rows_.size(); ++i) {
        if (!gone[i]) rows.push_back(rows_[i]);
    }
    rows_ = rows;
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
