#pragma once
// Winsock pieces of the proxy engine: the library's start-up, an owner for
// one socket, name resolution and connects.
#include <winsock2.h>

#include <string>

namespace proxy {

// Starts Windows Sockets 2.2 for the lifetime of the object.
class WinsockSession {
public:
    WinsockSession();
    ~WinsockSession();
    WinsockSession(const WinsockSession&) = delete;
    WinsockSession& operator=(const WinsockSession&) = delete;
    bool ok() const { return ok_; }

private:
    bool ok_;
};

class Socket {
public:
    Socket() = default;
    explicit Socket(SOCKET s) : s_(s) {}
    ~Socket() { Close(); }
    Socket(Socket&& other) noexcept : s_(other.Release()) {}
    Socket& operator=(Socket&& other) noexcept;
    Socket(const Socket&) = delete;
    Socket& operator=(const Socket&) = delete;

    SOCKET get() const { return s_; }
    bool valid() const { return s_ != INVALID_SOCKET; }
    SOCKET Release();
    void Close();

private:
    SOCKET s_ = INVALID_SOCKET;
};

// The text of the calling thread's last socket error.
std::string GetLastErrorText();

bool SetBlocking(SOCKET s);
// The IPv4 address (network order) of a dotted name, else 0.
unsigned long DottedAddress(const std::string& name);
// A blocking TCP connection to `address` (network order), or an invalid
// socket. With `bufferSize` above 0 the socket's buffers take that size.
Socket ConnectTo(unsigned long address, int port, int bufferSize);

}  // namespace proxy
