// The page rules without windows: the texts of the Sites and Events rows
// with an injected clock, the sort with its tie-break, the Blocking Options
// enabling rule and what its OK deletes from the URL cache, and which
// events a refresh of the Events page appends.
#include <gtest/gtest.h>

#include <algorithm>
#include <ctime>
#include <string>
#include <vector>

#include "privacy/app/list_order.h"
#include "privacy/app/list_texts.h"
#include "privacy/app/page_rules.h"
#include "privacy/app/sites_page.h"
#include "privacy/look/language_texts.h"

namespace privacy {
namespace {

int64_t LocalTime(int year, int month, int day, int hour, int minute, int second) {
    std::tm at = {};
    at.tm_year = year - 1900;
    at.tm_mon = month - 1;
    at.tm_mday = day;
    at.tm_hour = hour;
    at.tm_min = minute;
    at.tm_sec = second;
    at.tm_isdst = -1;
    return static_cast<int64_t>(std::mktime(&at));
}

TEST(AccessTextTest, TodayShowsTheTimeOfDayAnotherDayItsDate) {
    const int64_t now = LocalTime(2004, 3, 8, 23, 59, 0);
    EXPECT_EQ("03:15:42 PM", AccessText(LocalTime(2004, 3, 8, 15, 15, 42), now));
    EXPECT_EQ("12:00:05 AM", AccessText(LocalTime(2004, 3, 8, 0, 0, 5), now));
    EXPECT_EQ("Mar 07,2004", AccessText(LocalTime(2004, 3, 7, 15, 15, 42), now));
    // The same day of another year is not today.
    EXPECT_EQ("Mar 08,2003", AccessText(LocalTime(2003, 3, 8, 10, 0, 0), now));
}

TEST(BlockedItemsTest, DefaultsWinThenWholeSiteThenTheCustomOptionsInOrder) {
    LoadLanguageTexts("");
    CSiteRecord site;
    site.useDefaults = 1;
    site.wholeSite = site.images = 1;
    EXPECT_EQ("Default.", BlockedItemsText(site));
    site.useDefaults = 0;
    EXPECT_EQ("The whole site.", BlockedItemsText(site));
    site.wholeSite = 0;
    site.userInfo = 1;
    EXPECT_EQ("Images-Info.", BlockedItemsText(site));
    site.images = site.userInfo = 0;
    site.hub = 1;
    EXPECT_EQ("IP.", BlockedItemsText(site));
    site.popups = site.images = site.userInfo = 1;
    EXPECT_EQ("Images-Popups-Info-IP.", BlockedItemsText(site));
    site = CSiteRecord();
    site.useDefaults = 0;
    EXPECT_EQ("Nothing.", BlockedItemsText(site));
}

TEST(EventTypeTextTest, EveryLoggedTypeHasAText) {
    LoadLanguageTexts("");
    for (int type = 0; type < kEventTypes; ++type) EXPECT_NE("", EventTypeText(type)) << type;
    EXPECT_EQ("User Info is blocked", EventTypeText(kEventUserInfoBlocked));
    EXPECT_EQ(Text(70), EventTypeText(kEventHubFailed));
    EXPECT_EQ("", EventTypeText(kEventTypes));
}

std::vector<size_t> SortedSites(const std::vector<CSiteRecord>& sites, const ListSort& sort) {
    std::vector<size_t> rows;
    for (size_t i = 0; i < sites.size(); ++i) rows.push_back(i);
    std::stable_sort(rows.begin(), rows.end(), [&](size_t a, size_t b) {
        return CompareSites(sites, a, b, sort) < 0;
    });
    return rows;
}

CSiteRecord Site(const char* host, int hits, int64_t lastAccess) {
    CSiteRecord site;
    site.host = host;
    site.hits = hits;
    site.lastAccess = lastAccess;
    return site;
}

TEST(SiteSortTest, ColumnClicksAndTheLastAccessTieBreakInBothDirections) {
    std::vector<CSiteRecord> sites = {Site("b.example", 5, 300), Site("A.example", 5, 100),
                                      Site("c.example", 9, 200), Site("a.example", 1, 400)};
    ListSort sort;
    EXPECT_EQ((std::vector<size_t>{1, 2, 0, 3}), SortedSites(sites, sort));  // last access
    sort.Click(1);
    EXPECT_EQ((std::vector<size_t>{3, 1, 0, 2}), SortedSites(sites, sort));
    sort.Click(1);
    EXPECT_FALSE(sort.ascending);
    // Equal hits keep last-access order, earlier first, also descending.
    EXPECT_EQ((std::vector<size_t>{2, 1, 0, 3}), SortedSites(sites, sort));
    sort.Click(0);
    EXPECT_TRUE(sort.ascending);
    EXPECT_EQ((std::vector<size_t>{1, 3, 0, 2}), SortedSites(sites, sort));
}

TEST(SiteSortTest, BlockedItemsCountsCustomOptionsButNotTheDefaults) {
    std::vector<CSiteRecord> sites = {Site("two", 1, 30), Site("defaults", 1, 20),
                                      Site("none", 1, 10)};
    sites[0].images = sites[0].hub = 1;
    sites[0].useDefaults = sites[2].useDefaults = 0;
    ListSort sort;
    sort.Click(3);
    EXPECT_EQ((std::vector<size_t>{2, 1, 0}), SortedSites(sites, sort));
}

TEST(EventSortTest, EqualTypesStayInLoggingOrderDescending) {
    std::vector<CEventRecord> events(4);
    events[0].type = 2;
    events[1].type = 0;
    events[2].type = 2;
    events[3].type = 0;
    ListSort sort;
    sort.Click(1);
    sort.Click(1);
    std::vector<size_t> rows = {3, 2, 1, 0};
    std::stable_sort(rows.begin(), rows.end(), [&](size_t a, size_t b) {
        return CompareEvents(events, a, b, sort) < 0;
    });
    EXPECT_EQ((std::vector<size_t>{0, 2, 1, 3}), rows);
}

TEST(BlockingOptionsTest, EnablingRuleKeepsDisabledValues) {
    BlockingChoice choice;
    choice.useDefaults = 1;
    choice.images = 1;
    EXPECT_FALSE(EnablesOf(choice).wholeSite);
    EXPECT_FALSE(EnablesOf(choice).custom);
    choice.useDefaults = 0;
    EXPECT_TRUE(EnablesOf(choice).wholeSite);
    EXPECT_TRUE(EnablesOf(choice).custom);
    choice.wholeSite = 1;
    EXPECT_TRUE(EnablesOf(choice).wholeSite);
    EXPECT_FALSE(EnablesOf(choice).custom);
    EXPECT_EQ(1, choice.images);
}

class RecordingCache : public UrlCacheCleaner {
public:
    void DeleteSiteFiles(const std::string& host) override { sites.push_back(host); }
    void DeleteAllFiles() override { ++all; }
    std::vector<std::string> sites;
    int all = 0;
};

TEST(BlockingOptionsTest, OkStoresAndEmptiesTheSitesCacheOnlyForWhatRefetchingChanges) {
    SiteList list;
    list.LookupSitePolicy("www.example.com", 100);
    list.LookupSitePolicy("other.example", 100);
    RecordingCache cache;
    BlockingChoice choice;
    choice.useDefaults = 0;
    choice.userInfo = 1;

    EXPECT_TRUE(ApplyBlockingOptions(list, 0, true, choice, cache));
    EXPECT_TRUE(cache.sites.empty());
    EXPECT_EQ(1, list.Snapshot().sites[0].userInfo);

    for (int BlockingChoice::*option :
         {&BlockingChoice::wholeSite, &BlockingChoice::popups, &BlockingChoice::images}) {
        BlockingChoice blocking = choice;
        blocking.*option = 1;
        cache.sites.clear();
        EXPECT_FALSE(ApplyBlockingOptions(list, 0, false, blocking, cache));
        EXPECT_TRUE(cache.sites.empty());
        EXPECT_TRUE(ApplyBlockingOptions(list, 0, true, blocking, cache));
        EXPECT_EQ(std::vector<std::string>{"www.example.com"}, cache.sites);
    }
    EXPECT_FALSE(ApplyBlockingOptions(list, 2, true, choice, cache));
    EXPECT_EQ(0, list.Snapshot().sites[1].wholeSite);
}

TEST(EventRowsTest, AppendsOnlyNewEventsAndRebuildsWhenIndexesMove) {
    EventRows rows;
    EventRows::Plan plan = rows.Next(3, 0);
    EXPECT_TRUE(plan.rebuild);
    plan = rows.Next(5, 0);
    EXPECT_FALSE(plan.rebuild);
    EXPECT_EQ(3u, plan.first);
    plan = rows.Next(5, 0);
    EXPECT_EQ(5u, plan.first);  // nothing new
    // The log's cap dropped the oldest: every index moved.
    EXPECT_TRUE(rows.Next(5, 1).rebuild);
    EXPECT_TRUE(rows.Next(2, 1).rebuild);  // fewer than shown
    rows.Reset();
    EXPECT_TRUE(rows.Next(2, 1).rebuild);
}

TEST(EventRowsTest, DeletingByNumberRemovesTheShownEventEvenAfterTheCapMovedIndexes) {
    SiteList list;
    for (size_t i = 0; i < SiteList::kEventCap + 3; ++i)
        list.LogEvent(kEventConnected, "site" + std::to_string(i), "GET /", 1);
    uint64_t dropped = 0;
    std::vector<CEventRecord> events = list.Events(&dropped);
    ASSERT_EQ(3u, dropped);
    ASSERT_EQ("site3", events[0].host);
    list.LogEvent(kEventConnected, "late", "GET /", 2);  // drops site3
    EXPECT_FALSE(list.DeleteEvent(dropped + 0));          // site3 is gone already
    EXPECT_TRUE(list.DeleteEvent(dropped + 1));           // site4
    events = list.Events(&dropped);
    EXPECT_EQ("site5", events[0].host);
    EXPECT_EQ("late", events.back().host);
    EXPECT_EQ(SiteList::kEventCap - 1, events.size());
}

TEST(OptionsBoxTest, BoxesStoreAndSayWhatMustHappenNow) {
    PrivacySettings settings;
    EXPECT_EQ(BoxEffect::EmptyCache, ApplyOptionsBox(1007, true, settings));
    EXPECT_EQ(BoxEffect::None, ApplyOptionsBox(1007, false, settings));
    EXPECT_EQ(BoxEffect::None, ApplyOptionsBox(1009, true, settings));
    EXPECT_EQ(1, settings.defaults.cookie);
    EXPECT_EQ(1, settings.defaults.referer);
    EXPECT_EQ(1, settings.defaults.userAgent);
    EXPECT_EQ(BoxEffect::RestoreBrowser, ApplyOptionsBox(1015, false, settings));
    EXPECT_EQ(0, settings.browserIE);
    EXPECT_EQ(BoxEffect::SetUpBrowser, ApplyOptionsBox(1017, true, settings));
}

}  // namespace
}  // namespace privacy
