#pragma once
// The text of "acRs.ini": the ActiveX policies of the four security zones,
// one section per zone, signed decimal values; a policy the zone does not
// hold has no key at all.
#include <string>

#include "common/suite/blinkward.h"

namespace popup {

namespace zones {

using suite::blinkward::kActionCount;
using suite::blinkward::kZoneActions;
using suite::blinkward::kZoneCount;
using suite::blinkward::kZoneSections;

struct ZonePolicies {
    bool present[kActionCount] = {};
    long value[kActionCount] = {};
};

std::string FormatZoneBackup(const ZonePolicies (&zones)[kZoneCount]);

}  // namespace zones

}  // namespace popup
