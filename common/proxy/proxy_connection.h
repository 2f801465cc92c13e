#pragma once
// One browser connection from accept to close: requests go to the site (or
// the target the policy names), CONNECT is answered here, responses come
// back through the response relay.
#include <memory>
#include <string>
#include <vector>

#include "common/proxy/proxy_context.h"
#include "common/proxy/request_framer.h"
#include "common/proxy/response_relay.h"
#include "common/proxy/socket.h"
#include "platform/sync/sync.h"

namespace proxy {

class CProxyConnection {
public:
    CProxyConnection(std::shared_ptr<ProxyContext> context, Socket browser);
    virtual ~CProxyConnection();
    CProxyConnection(const CProxyConnection&) = delete;
    CProxyConnection& operator=(const CProxyConnection&) = delete;

    // Serves the connection until either side closes or the listener does.
    void Run();
    // Called from another thread while Run may wait in a blocking call:
    // shuts both sockets down both ways, so every wait on them ends.
    // Closing them stays with Run.
    void ShutDownSockets();

private:
    void RelayLoop();
    bool OnBrowserData(const char* data, size_t size);
    // One readable site socket: the chunk that woke the loop and those
    // queued behind it. False ends the connection.
    bool ReceiveFromSite(std::vector<char>& buffer);
    // The only ways the sockets change once Run has started: under the lock
    // that ShutDownSockets takes.
    void SetServer(Socket server);
    void CloseBrowser();
    bool ParseRequestHeader(std::vector<std::string>& lines);
    bool ConnectToSite(const RequestLine& request, const RequestDecision& decision,
                       const std::vector<std::string>& lines);
    Socket OpenServerSocket(const std::string& name, int port);
    // The browser's request cannot be served on this connection: `reply`
    // (none when empty) and the end, once no response is under way. Returns
    // what the request step returns.
    bool EndWith(const std::string& reply);
    // Request bytes for the site, kept for a resend while they went out on
    // a kept connection, no response byte has come back and every request
    // among them may be sent twice.
    bool SendToSite(const std::string& data);
    // The kept connection ended before its response: the requests go once
    // more on a fresh connection.
    bool Resend();
    bool OnServerData(const char* data, size_t size);
    bool OnServerClosed();
    bool SendBuffer(SOCKET s, const char* data, size_t size);
    bool SendBuffer(SOCKET s, const std::string& data) { return SendBuffer(s, data.data(), data.size()); }
    void CloseSockets();

    std::shared_ptr<ProxyContext> context_;
    RelaySettings settings_;
    int size_ = 0;  // per-send and per-receive size
    Socket browser_;
    Socket server_;
    RequestFramer framer_;
    ResponseRelay relay_;
    std::string lastHost_;
    int lastPort_ = 0;
    sync::CriticalSection socketsLock_;
    // The site's socket as the last wait found it readable, and not read
    // since; a socket set since is unknown.
    bool siteReadable_ = false;
    // A request this connection cannot serve came while a response was
    // under way: that response is finished, then the connection ends.
    bool finishing_ = false;
    bool resendArmed_ = false;
    std::string resend_;
};

}  // namespace proxy
