#include "common/proxy/socket.h"

#include "common/proxy/http_text.h"

namespace proxy {

WinsockSession::WinsockSession() {
    WSADATA data;
    ok_ = WSAStartup(MAKEWORD(2, 2), &data) == 0;
}

WinsockSession::~WinsockSession() {
    if (ok_) WSACleanup();
}

Socket& Socket::operator=(Socket&& other) noexcept {
    if (this != &other) {
        Close();
        s_ = other.Release();
    }
    return *this;
}

SOCKET Socket::Release() {
    SOCKET s = s_;
    s_ = INVALID_SOCKET;
    return s;
}

void Socket::Close() {
    if (s_ != INVALID_SOCKET) closesocket(s_);
    s_ = INVALID_SOCKET;
}

std::string GetLastErrorText() {
    return SocketErrorText(WSAGetLastError());
}

bool SetBlocking(SOCKET s) {
    u_long nonBlocking = 0;
    return ioctlsocket(s, FIONBIO, &nonBlocking) == 0;
}

unsigned long DottedAddress(const std::string& name) {
    unsigned long address = inet_addr(name.c_str());
    return address == INADDR_NONE ? 0 : address;
}

Socket ConnectTo(unsigned long address, int port, int bufferSize) {
    Socket s(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
    if (!s.valid()) return s;
    if (bufferSize > 0) {
        setsockopt(s.get(), SOL_SOCKET, SO_SNDBUF, reinterpret_cast<const char*>(&bufferSize), sizeof bufferSize);
        setsockopt(s.get(), SOL_SOCKET, SO_RCVBUF, reinterpret_cast<const char*>(&bufferSize), sizeof bufferSize);
    }
    SetBlocking(s.get());
    sockaddr_in to = {};
    to.sin_family = AF_INET;
    to.sin_port = htons(static_cast<u_short>(port));
    to.sin_addr.s_addr = address;
    if (connect(s.get(), reinterpret_cast<const sockaddr*>(&to), sizeof to) != 0) s.Close();
    return s;
}

}  // namespace proxy
