#pragma once
// The loaders that fill the entry list from the places Windows starts
// programs from, always in the same order: the user's Run key, the
// machine's Run, RunOnce, RunOnceEx and RunServices keys, win.ini "Load" and
// "Run", the user's and the common Startup folder, then the disabled-entry
// store. Nothing is reported: a place that cannot be read adds no rows.
#include <windows.h>

#include <vector>

#include "startup/core/folders.h"
#include "startup/core/labels.h"
#include "startup/core/startup_entry.h"

namespace startup {

// One row per value of root\Software\Microsoft\Windows\CurrentVersion\<keyName>;
// any root other than HKEY_CURRENT_USER counts as the machine.
void SetRegRunIntoList(HKEY root, const char* keyName, const Labels& labels,
                       std::vector<EntryRow>& rows);
void SetWinIniIntoList(const Places& places, const Labels& labels, std::vector<EntryRow>& rows);
void SetStartupFolderIntoList(const Places& places, const Labels& labels,
                              std::vector<EntryRow>& rows);

// LoadDisabledEntries: the store's records as rows, each disabled and
// stored, with its place and texts carried over into the current language
// and its kept registry value.
void LoadDisabledEntries(const Places& places, const LabelBook& book, std::vector<EntryRow>& rows);
// Rows of a profile: statuses and places carried over into the current
// language.
std::vector<EntryRow> RowsFromProfile(const std::vector<StartupEntry>& records,
                                      const LabelBook& book);

// The whole load sequence.
std::vector<EntryRow> LoadAllEntries(const Places& places, const LabelBook& book);

}  // namespace startup
