#pragma once
// The site list, the event list and the default options, shared by the
// proxy's connection threads and the pages under one list lock. The event
// list keeps the newest kEventCap events; older ones are dropped.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/sync/sync.h"
#include "privacy/core/site_records.h"

namespace privacy {

class SiteList {
public:
    static constexpr size_t kEventCap = 2000;

    // The options for a request to `host` at `now`: the first record whose
    // host is the same name (any case) gets a hit, else a new record that
    // uses the defaults is appended.
    BlockingOptions LookupSitePolicy(const std::string& host, int64_t now);

    // Appends an event (types 0 .. kEventTypes - 1; others are dropped).
    void LogEvent(int type, const std::string& host, const std::string& url, int64_t now,
                  const std::string& before = std::string(), const std::string& after = std::string());

    // Settings as "Options.opt" holds them, taken under the lock.
    PrivacySettings Snapshot() const;
    // Replaces defaults, flags, language and the sites (the settings file at
    // start-up; the pages change them through Edit).
    void Replace(const PrivacySettings& settings);
    // Saves under the lock, so no connection changes a record meanwhile.
    bool Save(const std::string& path) const;

    // Runs `edit` on the settings under the list lock and marks the sites
    // changed: the pages' edits of records, defaults and flags.
    void Edit(const std::function<void(PrivacySettings&)>& edit);

    // Oldest first. `dropped` (when given) receives how many events the cap
    // has dropped since the list was last cleared: the indexes of the
    // remaining ones moved down by that much.
    std::vector<CEventRecord> Events(uint64_t* dropped = nullptr) const;
    void ClearEvents();
    // Removes the event numbered `dropped + index` from a read of Events();
    // false when that event is no longer in the list.
    bool DeleteEvent(uint64_t number);
    // Makes the next Take of that list answer true (a page re-reads it).
    void MarkSitesChanged();
    void MarkEventsChanged();
    // True once after each change of that list.
    bool TakeSitesChanged();
    bool TakeEventsChanged();

private:
    mutable sync::CriticalSection lock_;
    PrivacySettings settings_;
    std::vector<CEventRecord> events_;
    size_t firstEvent_ = 0;  // oldest event in the ring once it is full
    uint64_t droppedEvents_ = 0;
    bool sitesChanged_ = false;
    bool eventsChanged_ = false;
};

}  // namespace privacy
