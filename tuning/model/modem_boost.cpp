#include "tuning/model/modem_boost.h"

#include <string>

#include "tuning/model/registry_paths.h"

namespace tuning {
namespace {

constexpr size_t kRateEnd = 28;  // the rate occupies bytes 24 to 27

bool LimitedTo115200(const RegValue& properties) {
    return properties.data.size() >= kRateEnd &&
           static_cast<unsigned char>(properties.data[25]) == 0xC2 &&
           static_cast<unsigned char>(properties.data[26]) == 0x01;
}

// Calls `visit(modem subkey name, properties)` for each modem limited to
// 115200 until it answers false.
template <typename Visit>
void ForEachSlowModem(const Registry& registry, Family family, Visit visit) {
    const std::string classKey = ModemClassKey(family);
    for (const std::string& modem : registry.SubKeys(Hive::LocalMachine, classKey)) {
        const std::string key = classKey + "\\" + modem;
        RegValue properties;
        if (!registry.Read(Hive::LocalMachine, key, "Properties", properties)) continue;
        if (LimitedTo115200(properties) && !visit(modem, properties)) return;
    }
}

}  // namespace

const char* ModemClassKey(Family family) {
    return family == Family::NT ? kModemClassNTKey : kModemClass9xKey;
}

bool DetectModems(const Registry& registry, Family family) {
    bool found = false;
    ForEachSlowModem(registry, family, [&](const std::string&, const RegValue&) {
        found = true;
        return false;
    });
    return found;
}

BoostResult BoostModemPortSpeed(Registry& registry, Family family, const SaveModemRecord& save) {
    BoostResult result;
    ForEachSlowModem(registry, family, [&](const std::string& modem, RegValue properties) {
        if (!save(modem, properties)) {
            ++result.unsaved;
            return true;
        }
        properties.data[25] = static_cast<char>(0x0A);
        properties.data[26] = static_cast<char>(0x0E);
        if (registry.Write(Hive::LocalMachine, std::string(ModemClassKey(family)) + "\\" + modem,
                           "Properties", properties))
            ++result.boosted;
        else
            ++result.failures;
        return true;
    });
    return result;
}

}  // namespace tuning
