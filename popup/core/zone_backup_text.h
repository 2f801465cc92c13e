#pragma once
// The text of "acRs.ini": the ActiveX policies of the four security zones,
// one section per zone, signed decimal values; a policy the zone does not
// hold has no key at all.
#include <string>

namespace zones {

constexpr int kZoneCount = 4;
constexpr int kActionCount = 5;
// Zone i + 1 is saved in section kZoneSections[i].
extern const char* const kZoneSections[kZoneCount];
// In the order they are saved.
extern const char* const kZoneActions[kActionCount];

struct ZonePolicies {
    bool present[kActionCount] = {};
    long value[kActionCount] = {};
};

std::string FormatZoneBackup(const ZonePolicies (&zones)[kZoneCount]);

}  // namespace zones
