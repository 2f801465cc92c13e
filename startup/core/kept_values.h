#pragma once
// The registry values of disabled entries, kept beside the store so that a
// value comes back with its type and its exact data while the store's
// six-line records stay as older versions read them. One line per value:
// the place, the type and the data in hexadecimal, then the name, separated
// by tabs (the name last, so it may hold tabs itself).
#include <string>
#include <vector>

#include "startup/core/startup_entry.h"

namespace startup {

// The lines of every row with a known registry type.
std::string FormatKeptValues(const std::vector<EntryRow>& rows);
// Gives each row the kept value of its place and name, when the value's
// text is still the row's command (a record edited since keeps its text).
void AttachKeptValues(const std::string& bytes, std::vector<EntryRow>& rows);

}  // namespace startup
