#include "popup/engine/popup_policy.h"

#include <winsock2.h>
#include <windows.h>

#include <algorithm>

namespace popup {

namespace {

class ScriptInjector : public proxy::ResponseFilter {
public:
    ScriptInjector(std::shared_ptr<const PopupState> state, PopupPolicy::KeyProbe controlHeld)
        : state_(std::move(state)), controlHeld_(controlHeld) {}

    bool WantsBody(const proxy::ResponseInfo& info) const override {
        return (info.contentClass & proxy::kClassText) != 0 &&
               (info.contentClass & proxy::kClassScript) == 0;
    }

    bool FilterBody(const proxy::ResponseInfo&, std::string& body) override {
        if (controlHeld_()) return false;
        return InjectScript(body, state_->script, state_->settings.playWave != 0);
    }

private:
    std::shared_ptr<const PopupState> state_;
    PopupPolicy::KeyProbe controlHeld_;
};

bool IsLoopbackName(const PopupState& state, const std::string& host) {
    std::string name = proxy::ToLower(host);
    if (name == "localhost" || name == proxy::ToLower(state.settings.popupIP)) return true;
    unsigned long address = ntohl(inet_addr(host.c_str()));
    return host != "255.255.255.255" && address != INADDR_NONE && (address >> 24) == 127;
}

}  // namespace

bool IsOwnProxyAddress(const PopupState& state, const std::string& host, int port) {
    int own = state.listenPort != 0 ? state.listenPort : state.settings.popupPort;
    return port == own && IsLoopbackName(state, host);
}

bool ControlKeyDown() {
    return (GetAsyncKeyState(VK_CONTROL) & 0x8000) != 0;
}

PopupPolicy::PopupPolicy(KeyProbe controlHeld)
    : state_(std::make_shared<const PopupState>()), controlHeld_(controlHeld) {}

void PopupPolicy::Publish(std::shared_ptr<const PopupState> state) {
    {
        sync::Lock lock(lock_);
        if (loweredBufferSize_ != 0 && state->settings.bufferSize > loweredBufferSize_) {
            auto kept = std::make_shared<PopupState>(*state);
            kept->settings.bufferSize = loweredBufferSize_;
            state = std::move(kept);
        }
        state_.swap(state);
    }
    // `state` now holds the old record, released here outside the lock.
}

std::shared_ptr<const PopupState> PopupPolicy::Current() const {
    sync::Lock lock(lock_);
    return state_;
}

proxy::RelaySettings PopupPolicy::Relay() const {
    std::shared_ptr<const PopupState> state = Current();
    const EngineSettings& s = state->settings;
    proxy::RelaySettings relay;
    relay.useDefaultBufferSizes = s.useDefaultBufferSizes != 0;
    relay.bufferSize = s.bufferSize;
    relay.dnsCacheEntries = s.dnsCacheDisable != 0 ? 0 : s.dnsCacheSize;
    return relay;
}

proxy::RequestDecision PopupPolicy::OnRequest(const proxy::RequestLine& request,
                                              std::vector<std::string>& lines) {
    std::shared_ptr<const PopupState> state = Current();
    const EngineSettings& s = state->settings;
    if (!s.disabled && !request.tunnel) {
        // Sites then answer uncompressed, so pages can be filtered.
        proxy::DropGzipEncoding(lines);
    }
    proxy::RequestDecision decision;
    decision.host = request.host;
    decision.port = request.port;
    if (s.gatewayEnable) {
        if (s.gatewayIP.empty() || IsOwnProxyAddress(*state, s.gatewayIP, s.gatewayPort)) {
            // A gateway that is this proxy would pass each request to itself;
            // an empty name would resolve to this machine as well.
            decision.kind = proxy::RequestDecision::Reply;
            decision.reply = proxy::kConnectFailedReply;
            return decision;
        }
        decision.host = s.gatewayIP;
        decision.port = s.gatewayPort;
        decision.upstreamProxy = true;
    }
    if (!s.disabled && s.catching && !state->script.empty())
        decision.filter = std::make_shared<ScriptInjector>(state, controlHeld_);
    return decision;
}

void PopupPolicy::OnSendBufferExhausted() {
    std::shared_ptr<const PopupState> old;
    sync::Lock lock(lock_);
    auto lowered = std::make_shared<PopupState>(*state_);
    lowered->settings.bufferSize = std::max(2048, state_->settings.bufferSize - 1024);
    loweredBufferSize_ = lowered->settings.bufferSize;
    old = std::move(state_);
    state_ = std::move(lowered);
}

}  // namespace popup
