// The wizard's rules: recommendations per connection type and family, how
// typed values are corrected, the receive window's range, what the radios
// and boxes mean, and which page follows which.
#include "tuning/model/tuning_rules.h"

#include <gtest/gtest.h>

#include <climits>

namespace tuning {
namespace {

TuningSettings Recommended(ConnectionType type, Family family = Family::NT) {
    TuningSettings settings;
    settings.connection = type;
    SetDefaults(settings, family);
    RecommendMtu(settings);
    RecommendRwin(settings);
    return settings;
}

TEST(TuningRulesTest, RecommendationsFollowTheConnectionTypeAndFamily) {
    struct Row {
        ConnectionType type;
        int mtu, mss, multiplier, rwin;
    };
    const Row rows[] = {{ConnectionType::DialUp, 576, 536, 3, 6432},
                        {ConnectionType::DSL, 1492, 1452, 44, 255552},
                        {ConnectionType::LAN, 1500, 1460, 44, 256960},
                        {ConnectionType::CableModem, 1500, 1460, 44, 256960}};
    for (const Row& row : rows) {
        const TuningSettings settings = Recommended(row.type);
        EXPECT_EQ(row.mtu, settings.mtu.chosen);
        EXPECT_EQ(row.mss, settings.mss.recommended);
        EXPECT_EQ(row.multiplier, settings.multiplier);
        EXPECT_EQ(row.rwin, settings.rwin.chosen);
    }
    const TuningSettings nt = Recommended(ConnectionType::LAN, Family::NT);
    const TuningSettings win9x = Recommended(ConnectionType::LAN, Family::Win9x);
    EXPECT_EQ(64, nt.ttl.chosen);
    EXPECT_EQ(32, win9x.ttl.chosen);
    EXPECT_EQ(20, nt.http10Connections.chosen);
    EXPECT_EQ(20, nt.http11Connections.chosen);
    EXPECT_EQ(4, win9x.http10Connections.chosen);
    EXPECT_EQ(8, win9x.http11Connections.recommended);
    EXPECT_EQ(2, win9x.synProtect.chosen);
    EXPECT_EQ(7200000, win9x.keepAliveTime.chosen);
    EXPECT_EQ(1000, nt.keepAliveInterval.recommended);
}

TEST(TuningRulesTest, TypedValuesAtOrBelowTheirFloorBecomeTheRecommendation) {
    const TuningSettings settings = Recommended(ConnectionType::DialUp, Family::Win9x);
    EXPECT_EQ(4, CorrectEdit(Edit::Http10, 3, settings));
    EXPECT_EQ(4, CorrectEdit(Edit::Http10, 4, settings));
    EXPECT_EQ(12, CorrectEdit(Edit::Http10, 12, settings));
    EXPECT_EQ(8, CorrectEdit(Edit::Http11, 1, settings));
    EXPECT_EQ(2, CorrectEdit(Edit::Http11, 2, settings));
    EXPECT_EQ(576, CorrectEdit(Edit::Mtu, 0, settings));
    EXPECT_EQ(536, CorrectEdit(Edit::Mss, -20, settings));
    EXPECT_EQ(1, CorrectEdit(Edit::Ttl, 1, settings));
    EXPECT_EQ(32, CorrectEdit(Edit::Ttl, 0, settings));
    EXPECT_EQ(1000, CorrectEdit(Edit::KeepAliveInterval, INT_MIN, settings));
}

TEST(TuningRulesTest, TheReceiveWindowRangesFromTheMssToItsLimitWithoutOverflow) {
    TuningSettings settings = Recommended(ConnectionType::DSL);
    EXPECT_FALSE(AcceptMultiplier(0, settings));  // a window of 0 is below the MSS
    EXPECT_EQ(44, settings.multiplier);
    EXPECT_EQ(255552, settings.rwin.chosen);

    EXPECT_TRUE(AcceptMultiplier(10, settings));
    EXPECT_EQ(58080, settings.rwin.chosen);
    EXPECT_EQ(10, settings.multiplier);

    // 1452 x 184873 x 4 is just above the limit, 184872 just below.
    EXPECT_FALSE(AcceptMultiplier(184873, settings));
    EXPECT_EQ(255552, settings.rwin.chosen);
    EXPECT_TRUE(AcceptMultiplier(184872, settings));
    EXPECT_EQ(1073736576, settings.rwin.chosen);
    // A product beyond 32 bits is out of range, not wrapped into it.
    EXPECT_FALSE(AcceptMultiplier(INT_MAX, settings));
    EXPECT_FALSE(AcceptMultiplier(-3, settings));
    EXPECT_TRUE(RwinInRange(kMaxRwin, 1452));
    EXPECT_FALSE(RwinInRange(kMaxRwin + 1, 1452));
    EXPECT_TRUE(RwinInRange(1452, 1452));
    EXPECT_FALSE(RwinInRange(1451, 1452));
    EXPECT_EQ(static_cast<std::int64_t>(INT_MAX) * 1460 * 4, ComputeRwin(1460, INT_MAX));
    // Both typed values huge: the window saturates instead of overflowing.
    EXPECT_EQ(INT64_MAX, ComputeRwin(INT_MIN, INT_MIN));
    EXPECT_EQ(INT64_MIN, ComputeRwin(INT_MAX, INT_MIN));
    settings.mss.chosen = -1684300901;
    EXPECT_FALSE(AcceptMultiplier(-1684300901, settings));
}

TEST(TuningRulesTest, RadiosAreTestedCableDialUpDslLanAndTheBoxesAskOppositeQuestions) {
    EXPECT_EQ(ConnectionType::CableModem, ConnectionFromRadios(true, false, false, false));
    EXPECT_EQ(ConnectionType::DialUp, ConnectionFromRadios(false, true, false, false));
    EXPECT_EQ(ConnectionType::DSL, ConnectionFromRadios(false, false, true, false));
    EXPECT_EQ(ConnectionType::LAN, ConnectionFromRadios(false, false, false, true));
    EXPECT_EQ(3, static_cast<int>(ConnectionType::CableModem));
    EXPECT_EQ(0, static_cast<int>(ConnectionType::DialUp));
    EXPECT_EQ(1, static_cast<int>(ConnectionType::DSL));
    EXPECT_EQ(2, static_cast<int>(ConnectionType::LAN));
    EXPECT_EQ(0, PathMtuDiscoveryFromBox(true));
    EXPECT_EQ(1, PathMtuDiscoveryFromBox(false));
    EXPECT_EQ(1, BlackHoleDetectionFromBox(true));
    EXPECT_EQ(0, BlackHoleDetectionFromBox(false));
}

TEST(TuningRulesTest, PagesFollowEachOtherByFamilyAndModem) {
    // 9x: six steps, the modem page after the keep-alive page.
    EXPECT_EQ(kNext, ButtonsFor(kConnectionPage, Family::Win9x, false));
    EXPECT_EQ(kMtuPage, NextPage(kConnectionPage, Family::Win9x, false));
    EXPECT_EQ(kBack | kFinish, ButtonsFor(kKeepAlivePage, Family::Win9x, false));
    EXPECT_EQ(-1, NextPage(kKeepAlivePage, Family::Win9x, false));
    EXPECT_EQ(kBack | kNext, ButtonsFor(kKeepAlivePage, Family::Win9x, true));
    EXPECT_EQ(kModemPage, NextPage(kKeepAlivePage, Family::Win9x, true));
    EXPECT_EQ(kKeepAlivePage, BackPage(kModemPage, Family::Win9x, true));

    // NT: eight steps.
    EXPECT_EQ(kBack | kNext, ButtonsFor(kKeepAlivePage, Family::NT, false));
    EXPECT_EQ(kSynPage, NextPage(kKeepAlivePage, Family::NT, false));
    EXPECT_EQ(kBack | kFinish, ButtonsFor(kIcmpPage, Family::NT, false));
    EXPECT_EQ(-1, NextPage(kIcmpPage, Family::NT, false));
    EXPECT_EQ(kModemPage, NextPage(kIcmpPage, Family::NT, true));
    EXPECT_EQ(kIcmpPage, BackPage(kModemPage, Family::NT, true));
    EXPECT_EQ(kBack | kFinish, ButtonsFor(kModemPage, Family::NT, true));
    EXPECT_EQ(kRwinPage, BackPage(kTtlPage, Family::NT, false));
}

}  // namespace
}  // namespace tuning
