#include "privacy/core/site_list.h"

#include <algorithm>

#include "privacy/core/options_file.h"
#include "privacy/core/text_routines.h"

namespace privacy {
namespace {

std::string WithoutLineEnds(const std::string& text) {
    std::string out;
    for (char c : text)
        if (c != '\r' && c != '\n') out += c;
    return out;
}

}  // namespace

BlockingOptions SiteList::LookupSitePolicy(const std::string& host, int64_t now) {
    sync::Lock hold(lock_);
    sitesChanged_ = true;
    for (CSiteRecord& record : settings_.sites) {
        if (!EqualsNoCase(record.host, host)) continue;
        record.lastAccess = now;
        ++record.hits;
        return record.Options(settings_.defaults);
    }
    CSiteRecord added;
    added.host = host;
    added.lastAccess = now;
    added.hits = 1;
    settings_.sites.push_back(added);
    return settings_.defaults;
}

void SiteList::LogEvent(int type, const std::string& host, const std::string& url, int64_t now,
                        const std::string& before, const std::string& after) {
    if (type < 0 || type >= kEventTypes) return;
    CEventRecord event;
    event.type = type;
    event.host = host;
    event.url = WithoutLineEnds(url);
    event.time = now;
    event.before = before;
    event.after = after;
    sync::Lock hold(lock_);
    eventsChanged_ = true;
    if (type == kEventConnected || type == kEventConnectedByHub) sitesChanged_ = true;
    if (events_.size() < kEventCap) {
        events_.push_back(std::move(event));
    } else {
        events_[firstEvent_] = std::move(event);
        firstEvent_ = (firstEvent_ + 1) % kEventCap;
        ++droppedEvents_;
    }
}

PrivacySettings SiteList::Snapshot() const {
    sync::Lock hold(lock_);
    return settings_;
}

void SiteList::Replace(const PrivacySettings& settings) {
    sync::Lock hold(lock_);
    settings_ = settings;
    settings_.defaults.wholeSite = 0;
    sitesChanged_ = true;
}

bool SiteList::Save(const std::string& path) const {
    sync::Lock hold(lock_);
    return SaveOptionsFile(path, settings_);
}

std::vector<CEventRecord> SiteList::Events(uint64_t* dropped) const {
    sync::Lock hold(lock_);
    if (dropped != nullptr) *dropped = droppedEvents_;
    std::vector<CEventRecord> ordered(events_.begin() + static_cast<std::ptrdiff_t>(firstEvent_),
                                      events_.end());
    ordered.insert(ordered.end(), events_.begin(),
                   events_.begin() + static_cast<std::ptrdiff_t>(firstEvent_));
    return ordered;
}

void SiteList::Edit(const std::function<void(PrivacySettings&)>& edit) {
    sync::Lock hold(lock_);
    edit(settings_);
    sitesChanged_ = true;
}

void SiteList::ClearEvents() {
    sync::Lock hold(lock_);
    events_.clear();
    firstEvent_ = 0;
    droppedEvents_ = 0;
    eventsChanged_ = true;
}

bool SiteList::DeleteEvent(uint64_t number) {
    sync::Lock hold(lock_);
    if (number < droppedEvents_ || number - droppedEvents_ >= events_.size()) return false;
    // Unroll the ring first, so the oldest event sits at 0 again.
    std::rotate(events_.begin(), events_.begin() + static_cast<std::ptrdiff_t>(firstEvent_),
                events_.end());
    firstEvent_ = 0;
    events_.erase(events_.begin() + static_cast<std::ptrdiff_t>(number - droppedEvents_));
    eventsChanged_ = true;
    return true;
}

void SiteList::MarkSitesChanged() {
    sync::Lock hold(lock_);
    sitesChanged_ = true;
}

void SiteList::MarkEventsChanged() {
    sync::Lock hold(lock_);
    eventsChanged_ = true;
}

bool SiteList::TakeSitesChanged() {
    sync::Lock hold(lock_);
    bool changed = sitesChanged_;
    sitesChanged_ = false;
    return changed;
}

bool SiteList::TakeEventsChanged() {
    sync::Lock hold(lock_);
    bool changed = eventsChanged_;
    eventsChanged_ = false;
    return changed;
}

}  // namespace privacy
