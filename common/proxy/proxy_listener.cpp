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
    WaitForConnections(kDrainWait);
}

int CProxyListener::Start(unsigned short port, int backlog) {
    Close();
    auto context = std::make_shared<ProxyContext>(policy_);
    lastError_.clear();
    if (!context->winsock.ok()) {
        lastError_ = "Windows Sockets did not start.";
        return 0;
    }
    Socket listening(socket(AF_INET, SOCK_STREAM, IPPROTO_TCP));
    if (!listening.valid()) {
        lastError_ = GetLastErrorText();
        return 0;
    }
    int size = sizeof context->defaultReceiveSize;
    getsockopt(listening.get(), SOL_SOCKET, SO_RCVBUF, reinterpret_cast<char*>(&context->defaultReceiveSize), &size);
    size = sizeof context->defaultSendSize;
    getsockopt(listening.get(), SOL_SOCKET, SO_SNDBUF, reinterpret_cast<char*>(&context->defaultSendSize), &size);
    BOOL reuse = TRUE;
    setsockopt(listening.get(), SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&reuse), sizeof reuse);
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bool bound = bind(listening.get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    // A socket left in its old mode still listens: that failure is only noted.
    if (bound && !SetBlocking(listening.get())) lastError_ = GetLastErrorText();
    if (!bound || listen(listening.get(), backlog) != 0) {
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
        context_->handOff.Close();
    }
    // An accept thread that does not end in time goes on alone: it co-owns
    // the context and its socket, and leaves at its next wake-up.
    if (!acceptThread_.Join(kAcceptThreadWait)) acceptThread_.Detach();
}

bool CProxyListener::WaitForConnections(DWORD milliseconds) const {
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
    connection.Run();
}

}  // namespace proxy
