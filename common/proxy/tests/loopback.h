#pragma once
// Loopback helpers for the proxy tests: a scripted origin server and small
// blocking client calls, all on 127.0.0.1 with ports the system picks.
#include <winsock2.h>
#include <windows.h>

#include <atomic>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "common/proxy/socket.h"

namespace proxytest {

// Serves each accepted connection on a thread of its own with `handler`.
class Origin {
public:
    using Handler = std::function<void(SOCKET)>;
    explicit Origin(Handler handler);
    ~Origin();
    unsigned short port() const { return port_; }
    int accepted() const { return accepted_; }

private:
    static DWORD WINAPI AcceptProc(LPVOID self);
    static DWORD WINAPI ServeProc(LPVOID args);
    proxy::WinsockSession winsock_;
    Handler handler_;
    proxy::Socket listening_;
    unsigned short port_ = 0;
    std::atomic<bool> open_{true};
    std::atomic<int> accepted_{0};
    std::atomic<int> serving_{0};
    HANDLE thread_ = nullptr;
};

// Reads one request (head and Content-Length body) at a time, records it
// and answers each with `reply`, until the client closes.
class RecordingOrigin {
public:
    explicit RecordingOrigin(std::string reply);
    std::vector<std::string> Requests();
    unsigned short port() const { return origin_.port(); }

private:
    std::mutex lock_;
    std::vector<std::string> requests_;
    Origin origin_;
};

proxy::Socket Connect(unsigned short port);
bool SendAll(SOCKET s, const std::string& data);
// Everything until the peer closes or `timeoutMs` passes.
std::string ReceiveAll(SOCKET s, int timeoutMs = 5000);
// One HTTP message head (through its empty line) plus `Content-Length`
// bytes of body when the head names one; "" on close or time-out.
std::string ReceiveMessage(SOCKET s, int timeoutMs = 5000);
// Exactly `size` bytes, fewer on close or time-out.
std::string ReceiveExactly(SOCKET s, size_t size, int timeoutMs = 5000);
// True when the peer ends the connection within `timeoutMs`, sending
// nothing more first.
bool PeerClosed(SOCKET s, int timeoutMs = 3000);
// A port on which nothing listens.
unsigned short ClosedPort();

// An origin answer: status line, headers and body with its length.
std::string HttpResponse(const std::string& type, const std::string& body,
                         const std::string& extraHeaders = "");

}  // namespace proxytest
