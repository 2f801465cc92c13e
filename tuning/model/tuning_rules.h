#pragma once
// The wizard's rules without its windows: recommended values per connection
// type and Windows family, how an edited value is corrected, which page
// follows which, and what the first page's radios and the check boxes mean.
#include <cstdint>

#include "tuning/model/tuning_settings.h"

namespace tuning {

// The receive window's upper bound; its lower bound is the MSS.
constexpr std::int64_t kMaxRwin = 1073741823;
// The scaling factor the receive window is computed with.
constexpr int kRwinScaling = 4;

int RecommendedMtu(ConnectionType type);
int RecommendedMultiplier(ConnectionType type);
// MSS x multiplier x scaling, computed wide so no product overflows.
std::int64_t ComputeRwin(int mss, int multiplier);
bool RwinInRange(std::int64_t rwin, int mss);

// The defaults set when the wizard opens: SYN protection, keep-alive, TTL
// and the Internet Explorer connection counts of the family.
void SetDefaults(TuningSettings& settings, Family family);
// Entering the MTU page: MTU and MSS for the connection type.
void RecommendMtu(TuningSettings& settings);
// Entering the receive-window page: multiplier and window from the chosen MSS.
void RecommendRwin(TuningSettings& settings);

// The edited values and what they may not fall to: a value at or below its
// floor is replaced by the recommended one.
enum class Edit { Mtu, Mss, Ttl, Http10, Http11, KeepAliveTime, KeepAliveInterval };
int CorrectEdit(Edit edit, int value, const TuningSettings& settings);

// The receive window for a typed multiplier: the window itself when it is in
// range; otherwise false and the recommendation stays.
bool AcceptMultiplier(int multiplier, TuningSettings& settings);

// The first page's radio buttons, tested cable, dial-up, DSL, LAN.
ConnectionType ConnectionFromRadios(bool cable, bool dialUp, bool dsl, bool lan);
// Box 1020 asks to disable path-MTU discovery; box 1021 to enable black-hole detection.
int PathMtuDiscoveryFromBox(bool disableChecked);
int BlackHoleDetectionFromBox(bool enableChecked);

// Pages by index, as the sheet adds them.
enum WizardPage {
    kConnectionPage = 0,
    kMtuPage = 1,
    kOtherMtuPage = 2,
    kRwinPage = 3,
    kTtlPage = 4,
    kKeepAlivePage = 5,
    kSynPage = 6,
    kIcmpPage = 7,
    kModemPage = 8,
    kPageCount = 9
};

enum WizardButtons { kBack = 1, kNext = 2, kFinish = 4 };

// The page Next leads to from `page`; -1 when `page` ends the run.
int NextPage(int page, Family family, bool modemFound);
// The page Back leads to from `page`; -1 on the first page.
int BackPage(int page, Family family, bool modemFound);
// The buttons shown while `page` is active.
int ButtonsFor(int page, Family family, bool modemFound);

}  // namespace tuning
