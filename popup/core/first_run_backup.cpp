#include "popup/core/first_run_backup.h"

#include <windows.h>

#include "common/files/whole_file.h"
#include "common/files/file_writes.h"
#include "popup/core/hosts_file.h"
#include "platform/registry/reg_key.h"
#include "popup/core/zone_backup_text.h"

namespace popup {

namespace {

const char kZonesKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings\\Zones\\";

}  // namespace

BackupResult BackupHosts(const CHostsFile& hosts, const std::string& productFolder) {
    const std::string backup = productFolder + "\\" + suite::blinkward::kHostsBackupFile;
    if (files::PathExists(backup)) return BackupResult::AlreadyThere;
    const std::string path = hosts.GetHostsPath();
    if (path.empty()) return BackupResult::HostsMissing;
    std::string bytes;
    if (!files::ReadWholeFile(path, bytes)) return BackupResult::Failed;
    return files::CreateNewFile(backup, bytes) ? BackupResult::Written : BackupResult::Failed;
}

BackupResult BackupActiveXZones(const std::string& productFolder) {
    const std::string backup = productFolder + "\\" + suite::blinkward::kZoneBackupFile;
    if (files::PathExists(backup)) return BackupResult::AlreadyThere;
    zones::ZonePolicies policies[zones::kZoneCount];
    for (int zone = 0; zone < zones::kZoneCount; ++zone) {
        CRegKey key;
        if (!key.Open(HKEY_CURRENT_USER, (kZonesKey + std::to_string(zone + 1)).c_str(),
                      KEY_READ)) {
            continue;
        }
        for (int action = 0; action < zones::kActionCount; ++action) {
            DWORD value = 0;
            policies[zone].present[action] = key.ReadDword(zones::kZoneActions[action], value);
            policies[zone].value[action] = static_cast<long>(static_cast<LONG>(value));
        }
    }
    return files::CreateNewFile(backup, zones::FormatZoneBackup(policies))
               ? BackupResult::Written
               : BackupResult::Failed;
}

}  // namespace popup
