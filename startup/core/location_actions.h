#pragma once
// What applying does to one entry at the place it lives in, and how the
// entry there reads now. The place is the row's language-independent one,
// never its label text; a Startup-folder entry is its file under the name
// the row holds. Each action answers "" on success, else what went wrong,
// for the user; an unknown place is a failure.
#include <string>

#include "startup/core/folders.h"
#include "startup/core/startup_entry.h"

namespace startup {

// A live entry taken out for good; one already absent counts as taken out.
std::string RemoveStartupEntry(const EntryRow& row, const Places& places);
// A live entry taken out and kept: a file moves whole into the program's
// folder beside the store, under its own name (a registry or win.ini value
// is kept by the row itself).
std::string DisableStartupEntry(const EntryRow& row, const Places& places);
// Written to its place: a kept file moves back byte for byte and is
// pointed at the row's command only when that differs; a registry value
// with its kept type and data when the command is still their text.
// Whatever lives there under the name is replaced, but a file that is no
// shortcut is never turned into one.
std::string RestoreStartupEntry(const EntryRow& row, const Places& places);
// A stored entry removed: its kept file goes; nothing live is touched.
std::string ForgetStoredEntry(const EntryRow& row, const Places& places);
// Something lives at the row's place under its name.
bool LiveEntryExists(const EntryRow& row, const Places& places);
// A Startup-folder row with no target and no kept file: putting it back
// would only make an empty shortcut.
bool NothingToPutBack(const EntryRow& row, const Places& places);

// The live entry at the row's place and name read into the row: command,
// registry type and data, file name and bytes. False when there is none.
bool ReadLiveEntry(const Places& places, EntryRow& row);
// True when the live entry `read` was read from is there and no longer as
// it was read; `now` is then `read` as the entry reads now.
bool ChangedBehind(const EntryRow& read, const Places& places, EntryRow& now);

// The registry type a row is written back with when no data is kept: its
// own, or for a row read from a file, expandable when the command names an
// environment variable.
unsigned long ValueTypeFor(const EntryRow& row);

}  // namespace startup
