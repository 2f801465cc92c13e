// The texts the Sites and Events pages show in their rows: the time of an
// access or event, a site's blocked items and an event's type. Window-free;
// the clock is passed in.
#pragma once
#include <cstdint>
#include <string>

#include "privacy/core/site_records.h"

namespace privacy {

// `when` as "Mar 07,2004", or as the 12-hour time of day "03:15:42 PM"
// when it falls on the same local day as `now` (both seconds since 1970).
std::string AccessText(int64_t when, int64_t now);

// "Default.", "The whole site.", the set custom options joined by "-"
// (images, popups, user information, hub: "Images-Info.") or "Nothing.",
// in the active language.
std::string BlockedItemsText(const CSiteRecord& site);

// The active language's name of an event type; "" for an unknown type.
std::string EventTypeText(int type);

}  // namespace privacy
