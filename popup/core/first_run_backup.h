#pragma once
// The backups taken on the first start after installation, which the
// uninstaller puts back: HOSTS as "mHosts" and the zones' ActiveX policies
// as "acRs.ini", both in the product folder. A backup that exists already is
// never replaced: it holds the state from before the first installation.
#include <string>

namespace popup {

class CHostsFile;

enum class BackupResult {
    Written,
    AlreadyThere,
    HostsMissing,  // no HOSTS file and none could be made
    Failed,
};

BackupResult BackupHosts(const CHostsFile& hosts, const std::string& productFolder);
BackupResult BackupActiveXZones(const std::string& productFolder);

}  // namespace popup
