#include "popup/core/zone_backup_text.h"

namespace zones {

const char* const kZoneSections[kZoneCount] = {"Local Intranet", "Trusted Sites", "Internet",
                                               "Restricted Sites"};
const char* const kZoneActions[kActionCount] = {"1001", "1004", "1201", "1200", "1405"};

std::string FormatZoneBackup(const ZonePolicies (&zones)[kZoneCount]) {
    std::string text;
    for (int zone = 0; zone < kZoneCount; ++zone) {
        text += std::string("[") + kZoneSections[zone] + "]\r\n";
        for (int action = 0; action < kActionCount; ++action) {
            if (!zones[zone].present[action]) continue;
            text += std::string(kZoneActions[action]) + "=" +
                    std::to_string(zones[zone].value[action]) + "\r\n";
        }
    }
    return text;
}

}  // namespace zones
