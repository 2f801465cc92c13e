#pragma once
// The six-line record format of the disabled-entry store and of profiles:
// ANSI text, every line ended by CR LF, one line per field in column order,
// records one after another with nothing between them.
#include <string>
#include <vector>

#include "startup/core/startup_entry.h"

namespace startup {

// True when a field holds a line break, which would shift every later
// record of a file.
bool HasLineBreak(const StartupEntry& entry);

// False (and `bytes` untouched) when an entry holds a line break.
bool FormatRecords(const std::vector<StartupEntry>& entries, std::string& bytes);

// Lines end at CR LF, LF or CR; a last record with fewer than six lines
// leaves its later fields empty.
std::vector<StartupEntry> ParseRecords(const std::string& bytes);

}  // namespace startup
