#pragma once
// Installed modems whose maximum port rate is 115200: found for the wizard's
// modem page, and raised so the modem's properties offer faster port speeds.
// Each modem's "Properties" holds the rate as a little-endian number in
// bytes 24 to 27; a value shorter than that is left alone.
#include <functional>
#include <string>

#include "tuning/model/registry.h"
#include "tuning/model/tuning_settings.h"

namespace tuning {

// True at the first modem limited to 115200.
bool DetectModems(const Registry& registry, Family family);

struct BoostResult {
    int boosted = 0;
    int failures = 0;  // qualifying modems whose record could not be written
    int unsaved = 0;   // qualifying modems left alone because `save` refused
};

// Called with a modem's subkey name and its record before the record is
// changed; false leaves that modem as it is.
using SaveModemRecord = std::function<bool(const std::string& modem, const RegValue& record)>;

// Every modem limited to 115200 gets the rate 920064 (bytes 00 0A 0E 00);
// the record keeps its type and length.
BoostResult BoostModemPortSpeed(Registry& registry, Family family, const SaveModemRecord& save);

// The family's modem class key: one subkey per installed modem.
const char* ModemClassKey(Family family);

}  // namespace tuning
