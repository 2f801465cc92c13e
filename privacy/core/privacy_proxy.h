#pragma once
// The privacy program's local proxy: the shared listener on 127.0.0.1:8100
// with the privacy policy, and everything it reads from the program folder
// (block page and image, hub list, "Options.opt"). The windows start and
// stop it through this class; its lists are shared with the pages.
#include <memory>
#include <string>

#include "common/proxy/proxy_listener.h"
#include "privacy/core/options_file.h"
#include "privacy/core/privacy_policy.h"

namespace privacy {

constexpr unsigned short kProxyPort = 8100;
extern const char kProxyHost[];  // "127.0.0.1"

// True when a TCP connection to host:port opens (it is closed at once).
bool ConnectToHost(const std::string& host, int port);
// The system's view: false when it reports no internet connection.
bool InternetConnected();

// Where the program's files lie, from its folder (without a trailing "\").
struct ProgramFiles {
    explicit ProgramFiles(std::string folder);
    std::string folder;
    std::string options;    // "Options.opt"
    std::string blockPage;  // "Block\Block.htm"
    std::string blockImage; // "Block\Block.gif"
    std::string hubList;    // "Block\AnonPS.txt"
};

// The platform's answers the proxy asks for; tests put their own in.
struct CorbeltProbes {
    HubSelector::Prober probe = [](const HubAddress& hub) { return ConnectToHost(hub.host, hub.port); };
    HubSelector::OnlineCheck online = &InternetConnected;
    CorbeltPolicy::KeyProbe controlHeld = &ControlKeyDown;
    CorbeltPolicy::Clock now = &Now;
};

class CorbeltProxy {
public:
    explicit CorbeltProxy(ProgramFiles files, CorbeltProbes probes = CorbeltProbes());
    ~CorbeltProxy();
    CorbeltProxy(const CorbeltProxy&) = delete;
    CorbeltProxy& operator=(const CorbeltProxy&) = delete;

    // Start-up: the hub, then "Options.opt". A damaged file is kept beside
    // as "Options.opt.bad" before anything overwrites it; an unreadable one
    // is never overwritten in this run (Save refuses).
    LoadResult Load();
    // Reads the block page and image and listens on 127.0.0.1:`port` (0: a
    // port the system picks). 1 when
    // listening; else 0 with the reason in LastError().
    int Start(unsigned short port = kProxyPort);
    // Stops accepting and waits (bounded) for the connections to end.
    void Stop();
    // Writes "Options.opt" under the list lock. False when it could not, or
    // when the file was there but unreadable at Load: this run's settings
    // never replace sites it could not read.
    bool Save() const;

    SiteList& Sites() { return *sites_; }
    HubSelector& Hubs() { return *hubs_; }
    unsigned short Port() const;
    const std::string& LastError() const { return lastError_; }
    // True when the last Start could not make or bind the listening socket.
    bool SocketFailed() const { return socketFailed_; }
    const ProgramFiles& Files() const { return files_; }

private:
    ProgramFiles files_;
    CorbeltProbes probes_;
    std::shared_ptr<SiteList> sites_;
    std::shared_ptr<HubSelector> hubs_;
    std::unique_ptr<proxy::CProxyListener> listener_;
    std::string lastError_;
    bool keepFile_ = false;
    bool socketFailed_ = false;
};

}  // namespace privacy
