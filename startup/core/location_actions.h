#pragma once
// What applying does to one entry at the place it lives in. The place is
// the row's language-independent one, never its label text. Each action
// answers "" on success, else what went wrong, for the user; an unknown
// place is a failure.
#include <string>

#include "startup/core/folders.h"
#include "startup/core/startup_entry.h"

namespace startup {

// A live entry taken out for good; one already absent counts as taken out.
std::string RemoveStartupEntry(const EntryRow& row, const Places& places);
// A live entry taken out and kept: a shortcut file moves whole into the
// program's folder beside the store (a registry or win.ini value is kept by
// the row itself).
std::string DisableStartupEntry(const EntryRow& row, const Places& places);
// Written to its place: a kept shortcut file moves back byte for byte and
// is pointed at the row's command only when that differs; a registry value
// with its kept type and data when the command is still their text.
// Whatever lives there under the name is replaced.
std::string RestoreStartupEntry(const EntryRow& row, const Places& places);
// A stored entry removed: its kept shortcut file goes; nothing live is
// touched.
std::string ForgetStoredEntry(const EntryRow& row, const Places& places);
// Something lives at the row's place under its name.
bool LiveEntryExists(const EntryRow& row, const Places& places);

// The registry type a row is written back with when no data is kept: its
// own, or for a row read from a file, expandable when the command names an
// environment variable.
unsigned long ValueTypeFor(const EntryRow& row);

}  // namespace startup
