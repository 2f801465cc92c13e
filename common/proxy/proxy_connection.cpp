#include "common/proxy/proxy_connection.h"

#include <algorithm>
#include <cstring>

namespace proxy {
namespace {
// The longest a relay wait lasts before it looks at the listener again.
const long kWakeMicroseconds = 200 * 1000;
// Site chunks relayed in a row without a wait while more are already
// queued; then the loop waits once, so the browser side is heard too.
const int kSiteChunksPerWait = 16;
// Request bytes kept for a resend, at most; a longer body is not at hand.
const size_t kMaxResend = 64 * 1024;
}

CProxyConnection::CProxyConnection(std::shared_ptr<ProxyContext> context, Socket browser)
    : context_(std::move(context)),
      settings_(context_->policy->Relay()),
      browser_(std::move(browser)),
      relay_(settings_.heldResponseCap) {
    size_ = settings_.useDefaultBufferSizes
                ? std::max(256, std::max(context_->defaultReceiveSize, context_->defaultSendSize))
                : std::max(1, settings_.bufferSize);
}

CProxyConnection::~CProxyConnection() = default;

void CProxyConnection::Run() {
    RelayLoop();
    CloseSockets();
}

void CProxyConnection::RelayLoop() {
    if (!settings_.useDefaultBufferSizes) {
        setsockopt(browser_.get(), SOL_SOCKET, SO_SNDBUF, reinterpret_cast<const char*>(&size_), sizeof size_);
        setsockopt(browser_.get(), SOL_SOCKET, SO_RCVBUF, reinterpret_cast<const char*>(&size_), sizeof size_);
    }
    BOOL noDelay = TRUE;
    setsockopt(browser_.get(), IPPROTO_TCP, TCP_NODELAY, reinterpret_cast<const char*>(&noDelay), sizeof noDelay);
    std::vector<char> buffer(static_cast<size_t>(size_));
    while (context_->open) {
        // While a response is finished no more browser bytes are read.
        fd_set readable;
        FD_ZERO(&readable);
        if (!finishing_) FD_SET(browser_.get(), &readable);
        SOCKET server = server_.get();
        if (server != INVALID_SOCKET) FD_SET(server, &readable);
        timeval wake = {0, kWakeMicroseconds};
        int ready = select(0, &readable, nullptr, nullptr, &wake);
        if (ready < 0) return;
        if (ready == 0) continue;
        siteReadable_ = server != INVALID_SOCKET && FD_ISSET(server, &readable);
        if (!finishing_ && FD_ISSET(browser_.get(), &readable)) {
            int got = recv(browser_.get(), buffer.data(), size_, 0);
            if (got <= 0) {
                CloseBrowser();
                return;
            }
            if (!OnBrowserData(buffer.data(), static_cast<size_t>(got))) return;
        }
        if (siteReadable_ && !ReceiveFromSite(buffer)) return;
        if (finishing_ && relay_.Idle()) return;
    }
}

bool CProxyConnection::ReceiveFromSite(std::vector<char>& buffer) {
    // A wait costs as much as the receive itself on some socket layers, so
    // bytes already queued behind a chunk are taken without one. `queued`
    // is what the socket held at its last count, less what came since.
    const SOCKET server = server_.get();
    siteReadable_ = false;
    u_long queued = 0;
    for (int chunk = 1;; ++chunk) {
        int got = recv(server, buffer.data(), size_, 0);
        if (got <= 0) return OnServerClosed();
        resendArmed_ = false;
        resend_.clear();
        framer_.OnServerData();
        if (!OnServerData(buffer.data(), static_cast<size_t>(got))) return false;
        queued -= std::min(queued, static_cast<u_long>(got));
        // With every response complete the site has nothing more to send:
        // its next bytes, or its close, wake the loop.
        if (chunk == kSiteChunksPerWait || !context_->open || relay_.Idle()) return true;
        if (queued == 0 && (ioctlsocket(server, FIONREAD, &queued) != 0 || queued == 0)) return true;
    }
}

bool CProxyConnection::OnBrowserData(const char* data, size_t size) {
    framer_.Append(data, size);
    std::vector<std::string> lines;
    std::string body;
    while (!finishing_) {
        switch (framer_.Next(lines, body)) {
        case RequestFramer::None:
            return true;
        case RequestFramer::Bad:
            return EndWith(kBadRequestReply);
        case RequestFramer::Head:
            if (!ParseRequestHeader(lines)) return false;
            break;
        case RequestFramer::Body:
            if (!server_.valid() || !SendToSite(body)) return false;
            break;
        }
    }
    return true;
}

bool CProxyConnection::ParseRequestHeader(std::vector<std::string>& lines) {
    // Each request is parsed afresh: nothing of the previous one carries over.
    RequestLine request = ParseURL(lines[0]);
    if (request.host.empty() || request.port == 0) return EndWith(kBadRequestReply);
    RequestDecision decision = context_->policy->OnRequest(request, lines);
    if (decision.kind == RequestDecision::Drop) return EndWith(std::string());
    if (decision.kind == RequestDecision::Reply) return EndWith(decision.reply);
    if (!decision.upstreamProxy && !request.tunnel) {
        // A secure URL must never go out in clear text.
        if (request.secure) return EndWith(kBadRequestReply);
        lines[0] = request.method + " " + request.path + " " + request.version + "\r\n";
    }
    return ConnectToSite(request, decision, lines);
}

bool CProxyConnection::ConnectToSite(const RequestLine& request, const RequestDecision& decision,
                                     const std::vector<std::string>& lines) {
    const bool otherSite = decision.host != lastHost_ || decision.port != lastPort_;
    const bool idle = relay_.Idle();
    if (server_.valid() && otherSite && !idle) return EndWith(std::string());
    // A kept connection that the last wait found readable while no response
    // was awaited: the site closed it (or sent bytes no request asked for),
    // so it must not carry this request.
    if (server_.valid() && idle && (otherSite || siteReadable_)) SetServer(Socket());
    lastHost_ = decision.host;
    lastPort_ = decision.port;
    if (server_.valid()) {
        // The first request on a kept connection, and those sent behind it
        // before any answer, are kept for a resend while each of them may
        // be sent twice.
        if (idle) resend_.clear();
        resendArmed_ = (idle || resendArmed_) && IsIdempotentMethod(request.method);
        if (!resendArmed_) resend_.clear();
    } else {
        resendArmed_ = false;
        resend_.clear();
        SetServer(OpenServerSocket(decision.host, decision.port));
        if (!server_.valid()) {
            context_->policy->OnConnectFailed(request, decision);
            return EndWith(kConnectFailedReply);
        }
    }
    if (request.tunnel && !decision.upstreamProxy) {
        resendArmed_ = false;
        relay_.PassThrough();
        return SendBuffer(browser_.get(), kTunnelReply);
    }
    relay_.ExpectResponse(request.method, decision.filter, EndsConnection(lines));
    return SendToSite(TerminateHeader(JoinLines(lines)));
}

bool CProxyConnection::EndWith(const std::string& reply) {
    if (relay_.Idle()) {
        if (!reply.empty()) SendBuffer(browser_.get(), reply);
        return false;
    }
    // Behind a response under way the reply would land inside it: that
    // response goes out whole, and this request and those behind it go
    // unanswered; the browser asks again on a new connection.
    finishing_ = true;
    return true;
}

bool CProxyConnection::SendToSite(const std::string& data) {
    if (resendArmed_) {
        if (resend_.size() + data.size() <= kMaxResend) {
            resend_ += data;
        } else {
            resendArmed_ = false;
            resend_.clear();
        }
    }
    if (SendBuffer(server_.get(), data)) return true;
    if (!resendArmed_) return false;
    SetServer(Socket());
    return Resend();
}

bool CProxyConnection::Resend() {
    std::string requests;
    requests.swap(resend_);
    resendArmed_ = false;
    SetServer(OpenServerSocket(lastHost_, lastPort_));
    if (!server_.valid()) {
        SendBuffer(browser_.get(), kConnectFailedReply);
        return false;
    }
    return SendBuffer(server_.get(), requests);
}

Socket CProxyConnection::OpenServerSocket(const std::string& name, int port) {
    unsigned long address = DottedAddress(name);
    if (address == 0) address = context_->dns.DnsCacheLookup(name, settings_.dnsCacheEntries);
    if (address == 0) {
        const hostent* host = gethostbyname(name.c_str());
        if (host != nullptr && host->h_addrtype == AF_INET && host->h_addr_list[0] != nullptr) {
            std::memcpy(&address, host->h_addr_list[0], sizeof address);
            context_->dns.DnsCacheStore(name, address, settings_.dnsCacheEntries);
        }
    }
    if (address == 0) return Socket();
    return ConnectTo(address, port, settings_.useDefaultBufferSizes ? 0 : size_);
}

bool CProxyConnection::OnServerData(const char* data, size_t size) {
    // Bytes that pass unchanged go out straight from the receive buffer.
    size_t unchanged = relay_.TakeUnchanged(size);
    if (unchanged > 0 && !SendBuffer(browser_.get(), data, unchanged)) return false;
    if (unchanged == size) return true;
    std::string out;
    ResponseRelay::Result result = relay_.OnServerData(data + unchanged, size - unchanged, out);
    if (!out.empty() && !SendBuffer(browser_.get(), out)) return false;
    return result == ResponseRelay::Continue;
}

bool CProxyConnection::OnServerClosed() {
    SetServer(Socket());
    // A request that must not go twice is not sent again: the browser's
    // connection ends unanswered, as the site's did.
    if (resendArmed_) return Resend();
    // A site that closes an idle kept connection leaves the browser's open:
    // the next request connects again. A response that ended its connection
    // ends the browser's too, as that response told the browser.
    const bool keep = relay_.Idle() && !relay_.ConnectionOver();
    std::string out;
    relay_.Finish(out);
    if (!out.empty() && !SendBuffer(browser_.get(), out)) return false;
    return keep;
}

bool CProxyConnection::SendBuffer(SOCKET s, const char* data, size_t size) {
    size_t sent = 0;
    while (sent < size) {
        int piece = static_cast<int>(std::min(static_cast<size_t>(size_), size - sent));
        int n = send(s, data + sent, piece, 0);
        if (n <= 0) {
            if (WSAGetLastError() == WSAENOBUFS) context_->policy->OnSendBufferExhausted();
            return false;
        }
        sent += static_cast<size_t>(n);
    }
    return true;
}

void CProxyConnection::CloseSockets() {
    if (server_.valid() && browser_.valid()) {
        std::string out;
        relay_.Finish(out);
        if (!out.empty()) SendBuffer(browser_.get(), out);
    }
    SetServer(Socket());
    CloseBrowser();
}

void CProxyConnection::SetServer(Socket server) {
    sync::Lock hold(socketsLock_);
    server_ = std::move(server);
    siteReadable_ = false;
}

void CProxyConnection::CloseBrowser() {
    sync::Lock hold(socketsLock_);
    browser_.Close();
}

void CProxyConnection::ShutDownSockets() {
    // A handle read without the lock could already belong to another
    // connection's socket.
    sync::Lock hold(socketsLock_);
    if (browser_.valid()) shutdown(browser_.get(), SD_BOTH);
    if (server_.valid()) shutdown(server_.get(), SD_BOTH);
}

}  // namespace proxy
