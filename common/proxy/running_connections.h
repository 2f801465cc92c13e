#pragma once
// The connections a listener is serving, so that stopping it can end the
// blocking waits they may be stuck in (a send to a browser that reads
// nothing, a connect to a site that does not answer) instead of waiting
// them out.
#include <set>

#include "platform/sync/sync.h"

namespace proxy {

class CProxyConnection;

class RunningConnections {
public:
    // A connection that starts after Stop is shut down at once.
    void Add(CProxyConnection& connection);
    // Called before the connection is destroyed.
    void Remove(CProxyConnection& connection);
    // Shuts down the sockets of every connection, now and from now on.
    void Stop();

private:
    sync::CriticalSection lock_;
    std::set<CProxyConnection*> running_;
    bool stopped_ = false;
};

}  // namespace proxy
