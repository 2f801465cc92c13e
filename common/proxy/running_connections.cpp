#include "common/proxy/running_connections.h"

#include "common/proxy/proxy_connection.h"

namespace proxy {

void RunningConnections::Add(CProxyConnection& connection) {
    sync::Lock hold(lock_);
    running_.insert(&connection);
    if (stopped_) connection.ShutDownSockets();
}

void RunningConnections::Remove(CProxyConnection& connection) {
    sync::Lock hold(lock_);
    running_.erase(&connection);
}

void RunningConnections::Stop() {
    sync::Lock hold(lock_);
    stopped_ = true;
    for (CProxyConnection* connection : running_) connection->ShutDownSockets();
}

}  // namespace proxy
