#pragma once
// State that one listener shares with the connections it started. Each
// connection thread co-owns it, so a thread still ending after the listener
// is gone touches nothing freed.
#include <atomic>
#include <memory>

#include "common/proxy/connection_hand_off.h"
#include "common/proxy/dns_cache.h"
#include "common/proxy/proxy_policy.h"
#include "common/proxy/running_connections.h"
#include "common/proxy/socket.h"

namespace proxy {

struct ProxyContext {
    explicit ProxyContext(std::shared_ptr<ProxyPolicy> p) : policy(std::move(p)) {}

    WinsockSession winsock;
    std::shared_ptr<ProxyPolicy> policy;
    std::atomic<bool> open{false};      // relay loops run while the listener is open
    std::atomic<long> live{0};          // connections accepted and not yet ended
    std::atomic<bool> accepted{false};  // a connection was ever accepted
    int defaultReceiveSize = 0;         // the listening socket's buffer sizes
    int defaultSendSize = 0;
    DnsCache dns;
    ConnectionHandOff handOff{kWaitingThreads};
    RunningConnections running;

    // Connection threads kept waiting for the next socket, at most.
    static const long kWaitingThreads = 16;
};

}  // namespace proxy
