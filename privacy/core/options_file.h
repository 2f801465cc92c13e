#pragma once
// "Options.opt" beside the program: the browser and wipe flags, the
// language, the four default options and the site records, in the framework
// archive format with no header. The byte forms need no platform; the file
// forms write a temporary file that replaces the old one only when whole.
#include <string>

#include "privacy/core/site_records.h"

namespace privacy {

extern const char kOptionsFileName[];  // "Options.opt"

std::string WriteOptions(const PrivacySettings& settings);

// Reads `bytes` into `settings`. False when the bytes end early or hold
// data of the wrong shape: `settings` then keeps every field and every whole
// site record read before the damage, and its initial values for the rest.
bool ReadOptions(const std::string& bytes, PrivacySettings& settings);

enum class LoadResult { Loaded, Missing, Damaged, Unreadable };
// A missing file leaves `settings` as they are. A file that is there but
// cannot be read (held open by another program, or access denied) is tried
// again for a short while before it counts as Unreadable; `settings` then
// stay as they are too.
LoadResult LoadOptionsFile(const std::string& path, PrivacySettings& settings);
// False when the file could not be written; the old file then stays whole.
bool SaveOptionsFile(const std::string& path, const PrivacySettings& settings);

}  // namespace privacy
