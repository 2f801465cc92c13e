#pragma once
// The local proxy's listening socket on the loopback address: an accept
// thread hands each browser connection to a thread of its own.
#include <winsock2.h>
#include <windows.h>

#include <memory>
#include <string>

#include "common/proxy/proxy_context.h"
#include "platform/sync/sync.h"

namespace proxy {

class CProxyListener {
public:
    explicit CProxyListener(std::shared_ptr<ProxyPolicy> policy);
    // Closes and waits (bounded) for the connections to end.
    virtual ~CProxyListener();
    CProxyListener(const CProxyListener&) = delete;
    CProxyListener& operator=(const CProxyListener&) = delete;

    // Listens on 127.0.0.1:`port` (0: a port the system picks) alone: a
    // port another socket has is refused. 1 when listening, else 0 with the
    // reason in LastError().
    int Start(unsigned short port, int backlog);
    // Stops accepting and shuts down the sockets of every connection, so
    // none stays in a blocking wait; every relay loop ends.
    void Close();
    // Waits up to `milliseconds` for every connection to end. The
    // destructor waits no more once this has run after Close.
    bool WaitForConnections(DWORD milliseconds);
    // True when the last Start could not make or bind the listening socket
    // (the port is taken, or the system has no sockets to give).
    bool SocketFailed() const { return socketFailed_; }

    unsigned short Port() const { return port_; }
    long LiveConnections() const;
    const std::string& LastError() const { return lastError_; }

private:
    struct ThreadArgs;
    // Thread routines: the accept loop on the listening socket, and one
    // browser connection.
    static void AcceptThreadProc(ThreadArgs& args);
    // Runs the connection, then the next ones handed to the thread.
    static void ConnectionThreadProc(ThreadArgs& args);
    static void RunConnection(const std::shared_ptr<ProxyContext>& context, Socket browser);

    std::shared_ptr<ProxyPolicy> policy_;
    std::shared_ptr<ProxyContext> context_;
    sync::Thread acceptThread_;
    unsigned short port_ = 0;
    std::string lastError_;
    bool socketFailed_ = false;
    bool drained_ = false;
};

}  // namespace proxy
