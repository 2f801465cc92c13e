#include "tuning/model/tuning_rules.h"

namespace tuning {

int RecommendedMtu(ConnectionType type) {
    switch (type) {
    case ConnectionType::DialUp:
        return 576;
    case ConnectionType::DSL:
        return 1492;
    default:
        return 1500;
    }
}

int RecommendedMultiplier(ConnectionType type) { return type == ConnectionType::DialUp ? 3 : 44; }

std::int64_t ComputeRwin(int mss, int multiplier) {
    const std::int64_t product = static_cast<std::int64_t>(mss) * multiplier;
    // Two typed values near the limits of int: the window saturates, which
    // is out of range all the same.
    if (product > INT64_MAX / kRwinScaling) return INT64_MAX;
    if (product < INT64_MIN / kRwinScaling) return INT64_MIN;
    return product * kRwinScaling;
}

bool RwinInRange(std::int64_t rwin, int mss) { return rwin >= mss && rwin <= kMaxRwin; }

void SetDefaults(TuningSettings& settings, Family family) {
    const bool nt = family == Family::NT;
    settings.synProtect.Recommend(2);
    settings.keepAliveTime.Recommend(7200000);
    settings.keepAliveInterval.Recommend(1000);
    settings.ttl.Recommend(nt ? 64 : 32);
    settings.http10Connections.Recommend(nt ? 20 : 4);
    settings.http11Connections.Recommend(nt ? 20 : 8);
}

void RecommendMtu(TuningSettings& settings) {
    const int mtu = RecommendedMtu(settings.connection);
    settings.mtu.Recommend(mtu);
    settings.mss.Recommend(mtu - 40);
}

void RecommendRwin(TuningSettings& settings) {
    settings.multiplier = RecommendedMultiplier(settings.connection);
    const std::int64_t rwin = ComputeRwin(settings.mss.chosen, settings.multiplier);
    // An MSS typed far out of bounds cannot push the window past its limit.
    settings.rwin.Recommend(static_cast<int>(RwinInRange(rwin, settings.mss.chosen) ? rwin : kMaxRwin));
}

int CorrectEdit(Edit edit, int value, const TuningSettings& settings) {
    int floor = 0;
    const Setting* setting = nullptr;
    switch (edit) {
    case Edit::Mtu: setting = &settings.mtu; break;
    case Edit::Mss: setting = &settings.mss; break;
    case Edit::Ttl: setting = &settings.ttl; break;
    case Edit::Http10: setting = &settings.http10Connections; floor = 3; break;
    case Edit::Http11: setting = &settings.http11Connections; floor = 1; break;
    case Edit::KeepAliveTime: setting = &settings.keepAliveTime; break;
    case Edit::KeepAliveInterval: setting = &settings.keepAliveInterval; break;
    }
    return value <= floor ? setting->recommended : value;
}

bool AcceptMultiplier(int multiplier, TuningSettings& settings) {
    const std::int64_t rwin = ComputeRwin(settings.mss.chosen, multiplier);
    if (!RwinInRange(rwin, settings.mss.chosen)) {
        settings.multiplier = RecommendedMultiplier(settings.connection);
        settings.rwin.chosen = settings.rwin.recommended;
        return false;
    }
    settings.multiplier = multiplier;
    settings.rwin.chosen = static_cast<int>(rwin);
    return true;
}

ConnectionType ConnectionFromRadios(bool cable, bool dialUp, bool dsl, bool lan) {
    if (cable) return ConnectionType::CableModem;
    if (dialUp) return ConnectionType::DialUp;
    if (dsl) return ConnectionType::DSL;
    if (lan) return ConnectionType::LAN;
    return ConnectionType::DialUp;
}

int PathMtuDiscoveryFromBox(bool disableChecked) { return disableChecked ? 0 : 1; }
int BlackHoleDetectionFromBox(bool enableChecked) { return enableChecked ? 1 : 0; }

namespace {

// The last settings page of the family, where the run ends without a modem.
int LastSettingsPage(Family family) { return family == Family::NT ? kIcmpPage : kKeepAlivePage; }

}  // namespace

int NextPage(int page, Family family, bool modemFound) {
    if (page == kModemPage) return -1;
    if (page == LastSettingsPage(family)) return modemFound ? kModemPage : -1;
    return page + 1;
}

int BackPage(int page, Family family, bool) {
    if (page == kModemPage) return LastSettingsPage(family);
    return page - 1;
}

int ButtonsFor(int page, Family family, bool modemFound) {
    if (page == kConnectionPage) return kNext;
    return kBack | (NextPage(page, family, modemFound) < 0 ? kFinish : kNext);
}

}  // namespace tuning
