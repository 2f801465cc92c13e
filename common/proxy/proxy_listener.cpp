#include "common/proxy/proxy_listener.h"

#include "common/proxy/proxy_connection.h"

namespace proxy {
namespace {

const long kAcceptWakeMicroseconds = 200 * 1000;
const DWORD kAcceptRetryDelay = 50;
const DWORD kAcceptThreadWait = 5000;
const DWORD kDrainWait = 10000;
const unsigned kConnectionStack = 256 * 1024;
// How long a connection thread whose connection ended waits for another.
const DWORD kThreadLinger = 30 * 1000;

// Binds `s` so that no other socket shares its port: without SO_REUSEADDR
// (with it Windows lets a second program bind a port another listens on, and
// lets this one take over another's) and, where the system has it (NT 4 SP4
// and later), with SO_EXCLUSIVEADDRUSE, which refuses any later socket the
// port even when that one asks to share it. Systems without the option
// refuse it, and keep the plain rule that a port in use is not bound again.
bool BindAlone(SOCKET s, const sockaddr_in& address) {
    BOOL exclusive = TRUE;
    setsockopt(s, SOL_SOCKET, SO_EXCLUSIVEADDRUSE, reinterpret_cast<const char*>(&exclusive),
               sizeof exclusive);
    return bind(s, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
}

}  // namespace

// What a thread routine owns: the shared state and its socket. Held by
// shared_ptr so the routine's closure can be copied into a std::function.
struct CProxyListener::ThreadArgs {
    std::shared_ptr<ProxyContext> context;
    Socket socket;
};

CProxyListener::CProxyListener(std::shared_ptr<ProxyPolicy> policy) : policy_(std::move(policy)) {}

CProxyListener::~CProxyListener() {
    Close();
    if (!drained_) WaitForConnections(kDrainWait);
}

int CProxyListener::Start(unsigned short port, int backlog) {
    Close();
    auto context = std::make_shared<ProxyContext>(policy_);
    lastError_.clear();
    socketFailed_ = drained_ = false;
    if (!context->winsock.ok()) {
        lastError_ = "Windows Sockets did not start.";
        return 0;
    }
    Socket listening(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
    if (!listening.valid()) {
        lastError_ = GetLastErrorText();
        socketFailed_ = true;
        return 0;
    }
    int size = sizeof context->defaultReceiveSize;
    getsockopt(listening.get(), SOL_SOCKET, SO_RCVBUF, reinterpret_cast<char*>(&context->defaultReceiveSize), &size);
    size = sizeof context->defaultSendSize;
    getsockopt(listening.get(), SOL_SOCKET, SO_SNDBUF, reinterpret_cast<char*>(&context->defaultSendSize), &size);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (!BindAlone(listening.get(), address)) {
        lastError_ = GetLastErrorText();
        socketFailed_ = true;
        return 0;
    }
    if (!SetBlocking(listening.get()) || listen(listening.get(), backlog) != 0) {
        lastError_ = GetLastErrorText();
        return 0;
    }
    int length = sizeof address;
    getsockname(listening.get(), reinterpret_cast<sockaddr*>(&address), &length);
    context->open = true;
    auto args = std::make_shared<ThreadArgs>(ThreadArgs{context, std::move(listening)});
    if (!acceptThread_.Start([args] { AcceptThreadProc(*args); })) {
        lastError_ = "The accept thread did not start.";
        return 0;
    }
    port_ = ntohs(address.sin_port);
    context_ = std::move(context);
    return 1;
}

void CProxyListener::Close() {
    if (context_) {
        context_->open = false;
        context_->running.Stop();
        context_->handOff.Close();
    }
    // An accept thread that does not end in time goes on alone: it co-owns
    // the context and its socket, and leaves at its next wake-up.
    if (!acceptThread_.Join(kAcceptThreadWait)) acceptThread_.Detach();
}

bool CProxyListener::WaitForConnections(DWORD milliseconds) {
    if (!context_ || !context_->open) drained_ = true;
    const DWORD kPoll = 20;
    for (DWORD waited = 0; LiveConnections() > 0; waited += kPoll) {
        if (waited >= milliseconds) return false;
        Sleep(kPoll);
    }
    return true;
}

long CProxyListener::LiveConnections() const {
    return context_ ? context_->live.load() : 0;
}

void CProxyListener::AcceptThreadProc(ThreadArgs& args) {
    const std::shared_ptr<ProxyContext>& context = args.context;
    SOCKET listening = args.socket.get();
    while (context->open) {
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(listening, &readable);
        timeval wake = {0, kAcceptWakeMicroseconds};
        int ready = select(0, &readable, nullptr, nullptr, &wake);
        if (ready == 0) continue;
        Socket browser(ready > 0 ? accept(listening, nullptr, nullptr) : INVALID_SOCKET);
        if (!browser.valid()) {
            // A failing accept must not spin.
            Sleep(kAcceptRetryDelay);
            continue;
        }
        SetBlocking(browser.get());
        context->accepted = true;
        ++context->live;
        if (context->handOff.Give(browser)) continue;
        auto connection = std::make_shared<ThreadArgs>(ThreadArgs{context, std::move(browser)});
        if (!sync::StartDetached([connection] { ConnectionThreadProc(*connection); }, kConnectionStack,
                                 THREAD_PRIORITY_HIGHEST)) {
            // This connection is lost; the next ones are still accepted.
            --context->live;
        }
    }
}

void CProxyListener::ConnectionThreadProc(ThreadArgs& args) {
    do {
        RunConnection(args.context, std::move(args.socket));
    } while (args.context->handOff.Take(args.socket, kThreadLinger));
}

void CProxyListener::RunConnection(const std::shared_ptr<ProxyContext>& context, Socket browser) {
    // The count drops however the connection ends, an exception included.
    struct Leaving {
        ProxyContext& context;
        ~Leaving() { --context.live; }
    } leaving{*context};
    CProxyConnection connection(context, std::move(browser));
    struct Running {
        RunningConnections& running;
        CProxyConnection& connection;
        ~Running() { running.Remove(connection); }
    } running{context->running, connection};
    context->running.Add(connection);
    connection.Run();
}

}  // namespace proxy
