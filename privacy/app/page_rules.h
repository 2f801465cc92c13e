// The rules of the pages' dialogs and commands that need no window: the
// Blocking Options dialog's choice and enabling rule, the events the Events
// page appends at a refresh, and what a click on an Options box changes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

#include "privacy/core/site_records.h"

namespace privacy {

// The six boxes of the Blocking Options dialog.
struct BlockingChoice {
    int useDefaults = 1, wholeSite = 0, images = 0, popups = 0, userInfo = 0, hub = 0;
};
BlockingChoice ChoiceOf(const CSiteRecord& site);
void StoreChoice(const BlockingChoice& choice, CSiteRecord& site);

// Which boxes may be changed: the whole-site box and the custom label only
// without the defaults; the four custom boxes only without the defaults and
// the whole site. A disabled box keeps its value.
struct BlockingEnables {
    bool wholeSite = false;
    bool custom = false;
};
BlockingEnables EnablesOf(const BlockingChoice& choice);

// Whether storing `choice` must empty the site's cached files, so the
// browser fetches them again through the proxy: whole site, popups or
// images set.
bool ChoiceEmptiesCache(const BlockingChoice& choice);

// The rows of the Events page: which events a refresh appends, and when it
// must rebuild the list instead (nothing shown yet, events removed, or
// events dropped by the log's cap, which moves every index).
class EventRows {
public:
    struct Plan {
        bool rebuild = false;
        size_t first = 0;  // the first event to add a row for
    };
    // The plan for a log of `count` events of which `dropped` were ever
    // dropped by the cap; the rows are then taken as showing all of them.
    Plan Next(size_t count, uint64_t dropped);
    // The next refresh rebuilds (after a deletion, a clear, a language change).
    void Reset() { shown_ = 0; }
    // The dropped count of the rows shown: a row's event is numbered
    // Dropped() + its index.
    uint64_t Dropped() const { return dropped_; }

private:
    size_t shown_ = 0;
    uint64_t dropped_ = 0;
};

// What else a click on an Options page box must do at once.
enum class BoxEffect { None, EmptyCache, SetUpBrowser, RestoreBrowser };
// Stores the new state of Options page box `id` in `settings`.
BoxEffect ApplyOptionsBox(int id, bool checked, PrivacySettings& settings);

// "<program folder>\Update\Update.exe".
std::string UpdaterPath(const std::string& programFolder);

}  // namespace privacy
