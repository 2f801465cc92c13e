#pragma once
// The privacy program's rules for the shared proxy engine: each request
// finds or makes its site's record, needs an anonymous hub to go on at all,
// may be answered with the block page or image, goes to the hub or the
// site with its identifying lines filtered, and its page may get the popup
// script and lose its view of the referrer. Everything it does is logged.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "common/proxy/proxy_policy.h"
#include "privacy/core/hub_selector.h"
#include "privacy/core/site_list.h"

namespace privacy {

// The block page and image, read at start-up; empty when missing.
struct BlockContent {
    std::string pagePath;
    std::string page;
    std::string imagePath;
    std::string image;
};

class CorbeltPolicy : public proxy::ProxyPolicy {
public:
    using KeyProbe = bool (*)();  // true while the Control key is down
    using Clock = int64_t (*)();  // seconds since 1970 UTC

    CorbeltPolicy(std::shared_ptr<SiteList> sites, std::shared_ptr<HubSelector> hubs,
                  BlockContent block, KeyProbe controlHeld, Clock now);

    // The sockets' default buffer sizes, no host-name cache.
    proxy::RelaySettings Relay() const override;
    proxy::RequestDecision OnRequest(const proxy::RequestLine& request,
                                     std::vector<std::string>& lines) override;
    // A hub that cannot be reached is given up; the next request selects.
    void OnConnectFailed(const proxy::RequestLine& request,
                         const proxy::RequestDecision& decision) override;

private:
    std::shared_ptr<SiteList> sites_;
    std::shared_ptr<HubSelector> hubs_;
    BlockContent block_;
    KeyProbe controlHeld_;
    Clock now_;
};

// The platform's answers for the policy.
bool ControlKeyDown();
int64_t Now();

}  // namespace privacy
