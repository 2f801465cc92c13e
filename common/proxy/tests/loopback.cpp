#include "common/proxy/tests/loopback.h"

#include <algorithm>

#include "common/proxy/http_text.h"

namespace proxytest {
namespace {

struct ServeArgs {
    Origin::Handler* handler;
    std::atomic<int>* serving;
    SOCKET socket;
};

bool WaitReadable(SOCKET s, DWORD deadline) {
    for (;;) {
        DWORD now = GetTickCount();
        if (static_cast<LONG>(deadline - now) <= 0) return false;
        DWORD left = deadline - now;
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(s, &readable);
        timeval wait = {static_cast<long>(left / 1000), static_cast<long>((left % 1000) * 1000)};
        int ready = select(0, &readable, nullptr, nullptr, &wait);
        if (ready > 0) return true;
        if (ready < 0) return false;
    }
}

}  // namespace

Origin::Origin(Handler handler) : handler_(std::move(handler)) {
    listening_ = proxy::Socket(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(listening_.get(), reinterpret_cast<sockaddr*>(&address), sizeof address);
    listen(listening_.get(), SOMAXCONN);
    int length = sizeof address;
    getsockname(listening_.get(), reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    thread_ = CreateThread(nullptr, 0, AcceptProc, this, 0, nullptr);
}

Origin::~Origin() {
    open_ = false;
    WaitForSingleObject(thread_, 5000);
    CloseHandle(thread_);
    for (int i = 0; i < 500 && serving_ > 0; ++i) Sleep(10);
}

DWORD WINAPI Origin::AcceptProc(LPVOID self) {
    Origin* origin = static_cast<Origin*>(self);
    while (origin->open_) {
        if (!WaitReadable(origin->listening_.get(), GetTickCount() + 100)) continue;
        SOCKET s = accept(origin->listening_.get(), nullptr, nullptr);
        if (s == INVALID_SOCKET) continue;
        ++origin->accepted_;
        ++origin->serving_;
        auto* args = new ServeArgs{&origin->handler_, &origin->serving_, s};
        HANDLE thread = CreateThread(nullptr, 64 * 1024, ServeProc, args,
                                     STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
        if (thread == nullptr) {
            closesocket(s);
            --origin->serving_;
            delete args;
        } else {
            CloseHandle(thread);
        }
    }
    return 0;
}

DWORD WINAPI Origin::ServeProc(LPVOID argument) {
    std::unique_ptr<ServeArgs> args(static_cast<ServeArgs*>(argument));
    (*args->handler)(args->socket);
    closesocket(args->socket);
    --*args->serving;
    return 0;
}

RecordingOrigin::RecordingOrigin(std::string reply)
    : origin_([this, reply](SOCKET s) {
          for (;;) {
              // A keep-alive connection waits as long as a test may run:
              // on a busy machine a round of 200 clients takes minutes.
              std::string request = ReceiveMessage(s, 300000);
              if (request.empty()) return;
              {
                  std::lock_guard<std::mutex> guard(lock_);
                  requests_.push_back(request);
              }
              if (!SendAll(s, reply)) return;
          }
      }) {}

std::vector<std::string> RecordingOrigin::Requests() {
    std::lock_guard<std::mutex> guard(lock_);
    return requests_;
}

proxy::Socket Connect(unsigned short port) {
    return proxy::ConnectTo(htonl(INADDR_LOOPBACK), port, 0);
}

bool SendAll(SOCKET s, const std::string& data) {
    size_t sent = 0;
    while (sent < data.size()) {
        int n = send(s, data.data() + sent, static_cast<int>(data.size() - sent), 0);
        if (n <= 0) return false;
        sent += static_cast<size_t>(n);
    }
    return true;
}

std::string ReceiveAll(SOCKET s, int timeoutMs) {
    std::string data;
    DWORD deadline = GetTickCount() + timeoutMs;
    char block[65536];
    while (WaitReadable(s, deadline)) {
        int n = recv(s, block, sizeof block, 0);
        if (n <= 0) break;
        data.append(block, n);
    }
    return data;
}

std::string ReceiveExactly(SOCKET s, size_t size, int timeoutMs) {
    std::string data;
    DWORD deadline = GetTickCount() + timeoutMs;
    char block[65536];
    while (data.size() < size && WaitReadable(s, deadline)) {
        int n = recv(s, block, static_cast<int>(std::min(sizeof block, size - data.size())), 0);
        if (n <= 0) break;
        data.append(block, n);
    }
    return data;
}

std::string ReceiveMessage(SOCKET s, int timeoutMs) {
    std::string data;
    DWORD deadline = GetTickCount() + timeoutMs;
    char c;
    while (proxy::FindHeadEnd(data) == std::string::npos) {
        if (!WaitReadable(s, deadline) || recv(s, &c, 1, 0) != 1) return std::string();
        data += c;
    }
    std::vector<std::string> lines;
    std::string rest = data;
    proxy::ParseHeaders(rest, lines);
    unsigned long long length = 0;
    bool valid = false;
    if (proxy::ReadContentLength(lines, length, valid) && valid)
        data += ReceiveExactly(s, static_cast<size_t>(length), static_cast<int>(deadline - GetTickCount()));
    return data;
}

bool PeerClosed(SOCKET s, int timeoutMs) {
    char c;
    return WaitReadable(s, GetTickCount() + timeoutMs) && recv(s, &c, 1, 0) <= 0;
}

unsigned short ClosedPort() {
    proxy::Socket s(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(s.get(), reinterpret_cast<sockaddr*>(&address), sizeof address);
    int length = sizeof address;
    getsockname(s.get(), reinterpret_cast<sockaddr*>(&address), &length);
    return ntohs(address.sin_port);
}

std::string HttpResponse(const std::string& type, const std::string& body,
                         const std::string& extraHeaders) {
    return "HTTP/1.1 200 OK\r\nContent-Type: " + type + "\r\nContent-Length: " +
           std::to_string(body.size()) + "\r\n" + extraHeaders + "\r\n" + body;
}

}  // namespace proxytest
