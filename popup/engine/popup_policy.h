#pragma once
// The popup blocker's rules for the shared proxy engine: gzip is taken out
// of the browsers' requests, requests may go through a gateway, and HTML
// pages get the blocking script in front and the sound element after their
// head tag. Settings reach the connection threads as immutable snapshots.
#include <memory>
#include <string>
#include <vector>

#include "common/proxy/proxy_policy.h"
#include "platform/sync/sync.h"
#include "popup/engine/engine_settings.h"
#include "popup/engine/injection.h"

namespace popup {

// What the connections read; replaced whole, never edited.
struct PopupState {
    EngineSettings settings;
    std::string script;            // prepared blocking script bytes
    unsigned short listenPort = 0; // the port the listener got, 0 while closed
};

// True when host and port name this proxy itself.
bool IsOwnProxyAddress(const PopupState& state, const std::string& host, int port);

class PopupPolicy : public proxy::ProxyPolicy {
public:
    using KeyProbe = bool (*)();
    // `controlHeld` tells whether the Ctrl key is down (pages load unchanged).
    explicit PopupPolicy(KeyProbe controlHeld);

    // A buffer size lowered at run time stays lowered in every later record.
    void Publish(std::shared_ptr<const PopupState> state);
    std::shared_ptr<const PopupState> Current() const;

    proxy::RelaySettings Relay() const override;
    proxy::RequestDecision OnRequest(const proxy::RequestLine& request,
                                     std::vector<std::string>& lines) override;
    // Later connections use a smaller buffer: 1024 less, at least 2048.
    void OnSendBufferExhausted() override;

private:
    mutable sync::CriticalSection lock_;       // guards the pointer, not the record
    std::shared_ptr<const PopupState> state_;
    int loweredBufferSize_ = 0;  // 0 until a send ran out of buffer space
    KeyProbe controlHeld_;
};

// The platform's answer: the Ctrl key is down now.
bool ControlKeyDown();

}  // namespace popup
