#include "privacy/core/privacy_policy.h"

#include <windows.h>

#include <ctime>

#include "privacy/core/privacy_filters.h"

namespace privacy {
namespace {

// One request's page filters: the referrer hidden from page scripts when its
// Referer line was dropped, and the popup script in front of pages.
class PageFilter : public proxy::ResponseFilter {
public:
    PageFilter(bool popups, bool hideReferrer, CorbeltPolicy::KeyProbe controlHeld)
        : popups_(popups), hideReferrer_(hideReferrer), controlHeld_(controlHeld) {}

    bool WantsBody(const proxy::ResponseInfo& info) const override {
        if ((info.contentClass & proxy::kClassText) == 0) return false;
        return hideReferrer_ || (popups_ && (info.contentClass & proxy::kClassScript) == 0);
    }

    bool FilterBody(const proxy::ResponseInfo& info, std::string& body) override {
        const bool script = (info.contentClass & proxy::kClassScript) != 0;
        const std::string lower = proxy::ToLower(body);
        bool changed = false;
        if (hideReferrer_) {
            proxy::MarkupScan scan;
            proxy::ScanMarkup(lower.data(), lower.size(), scan);
            changed = RewriteDocumentReferrer(body, lower, scan, script);
        }
        // Holding Control while a page loads lets its popups through.
        if (popups_ && !script && !controlHeld_()) changed = InjectPopupScript(body, lower) || changed;
        return changed;
    }

private:
    bool popups_;
    bool hideReferrer_;
    CorbeltPolicy::KeyProbe controlHeld_;
};

std::string EventUrl(const proxy::RequestLine& request) {
    return request.url.empty() ? request.hostAndPort : request.url;
}

}  // namespace

CorbeltPolicy::CorbeltPolicy(std::shared_ptr<SiteList> sites, std::shared_ptr<HubSelector> hubs,
                             BlockContent block, KeyProbe controlHeld, Clock now)
    : sites_(std::move(sites)),
      hubs_(std::move(hubs)),
      block_(std::move(block)),
      controlHeld_(controlHeld),
      now_(now) {}

proxy::RelaySettings CorbeltPolicy::Relay() const {
    proxy::RelaySettings relay;
    relay.useDefaultBufferSizes = true;
    relay.dnsCacheEntries = 0;
    return relay;
}

proxy::RequestDecision CorbeltPolicy::OnRequest(const proxy::RequestLine& request,
                                                std::vector<std::string>& lines) {
    proxy::RequestDecision decision;
    const int64_t now = now_();
    const std::string url = EventUrl(request);
    if (!request.tunnel) proxy::DropGzipEncoding(lines);
    const BlockingOptions options = sites_->LookupSitePolicy(request.host, now);

    // Without a hub nothing is served, whether or not this site uses it.
    HubAddress hub;
    if (!hubs_->AvailableHub(hub)) {
        sites_->LogEvent(kEventNoHub, request.host, url, now);
        decision.kind = proxy::RequestDecision::Drop;
        return decision;
    }

    std::string reply;
    if (options.wholeSite) {
        sites_->LogEvent(kEventSiteBlocked, request.host, url, now);
        reply = BlockReply(block_.pagePath, block_.page);
    } else if (options.images && IsImagePath(request.path)) {
        sites_->LogEvent(kEventImageBlocked, request.host, url, now);
        reply = BlockReply(block_.imagePath, block_.image);
    }
    if (!reply.empty()) {
        decision.kind = proxy::RequestDecision::Reply;
        decision.reply = reply;
        return decision;
    }

    sites_->LogEvent(options.hub ? kEventConnectedByHub : kEventConnected, request.host, url, now);
    bool refererRemoved = false;
    if (!request.tunnel) {
        const std::string before = proxy::JoinLines(lines);
        const HeaderFilterResult filtered = FilterRequestHeaders(lines, request.host, options);
        if (filtered.changed)
            sites_->LogEvent(kEventUserInfoBlocked, request.host, url, now, before,
                             proxy::JoinLines(lines));
        refererRemoved = filtered.refererRemoved;
    }
    decision.host = options.hub ? hub.host : request.host;
    decision.port = options.hub ? hub.port : request.port;
    decision.upstreamProxy = options.hub != 0;
    const bool hideReferrer = refererRemoved && options.referer;
    if (!request.tunnel && (options.popups || hideReferrer))
        decision.filter = std::make_shared<PageFilter>(options.popups != 0, hideReferrer, controlHeld_);
    return decision;
}

void CorbeltPolicy::OnConnectFailed(const proxy::RequestLine& request,
                                    const proxy::RequestDecision& decision) {
    if (!decision.upstreamProxy) return;
    HubAddress failed;
    failed.host = decision.host;
    failed.port = decision.port;
    hubs_->MarkFailed(failed);
    sites_->LogEvent(kEventHubFailed, request.host, EventUrl(request), now_(),
                     decision.host + ":" + std::to_string(decision.port));
}

bool ControlKeyDown() {
    return (GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0;
}

int64_t Now() {
    return static_cast<int64_t>(std::time(nullptr));
}

}  // namespace privacy
