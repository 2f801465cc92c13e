#pragma once
// Puts the ActiveX policies of the four security zones back from the popup
// blocker's first-run backup "acRs.ini", each only while it still holds
// what the blocker itself wrote into it (a policy the blocker never wrote,
// or one changed since, is the user's and stays). A policy the backup has no key for
// was absent then and is deleted again; a value that is not a whole number
// leaves the zone's policy as it is (reading it as 0 would enable the
// action).
#include <string>

namespace uninstall {

// A signed or unsigned 32-bit decimal text, as the backup writes it.
bool ParseZonePolicy(const std::string& text, unsigned long& value);

// False when `backupFile` cannot be read; zones whose key cannot be opened
// are skipped.
bool RestoreActiveXZones(const std::string& backupFile);

}  // namespace uninstall
