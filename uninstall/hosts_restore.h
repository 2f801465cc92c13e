#pragma once
// Takes the popup blocker's lines out of HOSTS: its alias line and its
// marked ad block go, every other line (the user's own, those of other
// software, added before or after the blocker came) stays. Only a HOSTS
// that cannot be read is put back from the first-run copy "mHosts". The new
// text goes in through a temporary file beside HOSTS, and "mHosts" is
// deleted only once HOSTS is done: a failure leaves both as they were.
#include <string>

namespace uninstall {

// <windows>\system32\drivers\etc\hosts on the NT family, <windows>\hosts on
// the 9x family, when it or its ".sam" template can be read (the template
// itself is never the target); "" when neither can.
std::string FindHostsFile(const std::string& windowsFolder, bool nt);

enum class HostsRestore {
    Restored,
    NoBackup,      // HOSTS unreadable and no "mHosts": nothing is written
    WriteFailed,   // HOSTS and "mHosts" both stay as they were
};

// `alias` is the host name of the blocker's line.
HostsRestore RestoreHosts(const std::string& backup, const std::string& target,
                          const std::string& alias);

}  // namespace uninstall
