#include "popup/core/zone_backup_text.h"

namespace popup {

namespace zones {

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

}  // namespace popup
