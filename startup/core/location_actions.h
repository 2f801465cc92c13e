#pragma once
// What applying does to one entry at the place it lives in: take it out
// (disable or remove) or put it back (enable or add). The place is the
// row's language-independent one, never its label text.
#include <string>

#include "startup/core/folders.h"
#include "startup/core/startup_entry.h"

namespace startup {

// Both answer "" on success, else what went wrong, for the user. An entry
// already absent counts as taken out; an unknown place does nothing.
std::string RemoveStartupEntry(const EntryRow& row, const Places& places);
std::string RestoreStartupEntry(const EntryRow& row, const Places& places);

// The registry type a row is written back with: its own, or for a row read
// from a file, expandable when the command names an environment variable.
unsigned long ValueTypeFor(const EntryRow& row);

}  // namespace startup
