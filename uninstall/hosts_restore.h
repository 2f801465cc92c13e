#pragma once
// Puts HOSTS back from the popup blocker's first-run copy "mHosts". The copy
// goes in through a temporary file beside HOSTS, and "mHosts" is deleted
// only once the new HOSTS is in place: a failure leaves both as they were.
#include <string>

namespace uninstall {

// <windows>\system32\drivers\etc\hosts on the NT family, <windows>\hosts on
// the 9x family; when that cannot be read, the same name with ".sam"; ""
// when neither can.
std::string FindHostsFile(const std::string& windowsFolder, bool nt);

enum class HostsRestore {
    Restored,
    NoBackup,      // no "mHosts": HOSTS stays as it is
    WriteFailed,   // HOSTS and "mHosts" both stay as they were
};

HostsRestore RestoreHosts(const std::string& backup, const std::string& target);

}  // namespace uninstall
