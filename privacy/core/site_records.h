#pragma once
// What the privacy program remembers and reports: the settings of
// "Options.opt", the per-site records with their blocking options, and the
// events of what the proxy did. Plain data, no platform calls.
#include <cstdint>
#include <string>
#include <vector>

namespace privacy {

// The options that apply to one request.
struct BlockingOptions {
    int hub = 0;        // route through the anonymous hub
    int wholeSite = 0;  // answer with the block page
    int images = 0;     // answer image requests with the block image
    int popups = 0;     // put the popup script in front of pages
    int cookie = 0;     // drop Cookie lines
    int referer = 0;    // drop Referer lines naming another site
    int userAgent = 0;  // drop User-Agent lines
};

struct CSiteRecord {
    int hidden = 0;         // 1: not listed on the Sites page
    std::string host;       // as the browser requested it
    int64_t lastAccess = 0; // seconds since 1970 UTC
    int hits = 0;
    int useDefaults = 1;    // 1: the default options apply
    int hub = 0;
    int wholeSite = 0;
    int images = 0;
    int popups = 0;
    int userInfo = 0;       // Cookie, Referer and User-Agent together

    // The options this record gives, `defaults` when it uses them.
    BlockingOptions Options(const BlockingOptions& defaults) const;
};

// Event types; the Events page shows the language texts of keys 26-30 for
// 0-4 and of keys 69-70 for the two hub events.
enum EventType {
    kEventConnected = 0,
    kEventConnectedByHub = 1,
    kEventSiteBlocked = 2,
    kEventImageBlocked = 3,
    kEventUserInfoBlocked = 4,
    kEventNoHub = 5,      // no anonymous hub reachable: the request was dropped
    kEventHubFailed = 6,  // the hub refused a connection; another is chosen next
    kEventTypes = 7
};

struct CEventRecord {
    int type = 0;
    std::string host;
    std::string url;     // the request URL, without CR and LF
    int64_t time = 0;    // seconds since 1970 UTC
    std::string before;  // user information: the header before filtering;
                         // hub failure: the hub's "host:port"
    std::string after;   // user information: the header after filtering
};

// Everything "Options.opt" holds.
struct PrivacySettings {
    int browserIE = 1, browserNetscape = 1, browserOpera = 1;  // set up at start
    // Wipe page: Temporary Internet Files, Internet History, Recent
    // Documents, Recent MS Office Documents, Recycle Bin, Cookies.
    int wipe[6] = {0, 0, 0, 0, 0, 0};
    std::string language = "English";
    // Hub, images, popups and the three user-information copies; whole
    // site is never set by default.
    BlockingOptions defaults;
    std::vector<CSiteRecord> sites;
};

}  // namespace privacy
