// CorbeltSession: everything the program starts behind its main window, in
// start-up order (the single-instance mutex, the logon Run value, Winsock,
// the hub and "Options.opt", the browsers, the local proxy), and Stop
// undoing in reverse only the steps this instance actually took. A second
// instance therefore changes nothing, and a proxy that failed to start
// still leaves the browsers restored and the settings saved.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "common/proxy/socket.h"
#include "platform/sync/sync.h"
#include "privacy/core/browser_setup.h"
#include "privacy/core/privacy_proxy.h"

namespace privacy {

extern const char kInstanceMutexName[];  // "Velmora Veilstride"
extern const char kRunKeyPath[];         // HKLM\...\CurrentVersion\Run
extern const char kRunValueName[];       // written at start, removed at Exit

struct SessionEnv {
    std::string programPath;  // full path of the program file
    std::string mutexName = kInstanceMutexName;
    std::string runKeyPath = kRunKeyPath;
    unsigned short port = kProxyPort;
    BrowserSetupEnv browsers;
    CorbeltProbes probes;
};

enum class Browser { kOpera, kNetscape, kIE };
// Points `browser` at 127.0.0.1 and the session's proxy port, or (setUp
// false) switches that off again.
void PointBrowser(Browser browser, bool setUp, const SessionEnv& env);

// The running system's values for the program at `programPath`.
SessionEnv SystemSessionEnv(const std::string& programPath);

class CorbeltSession {
public:
    explicit CorbeltSession(SessionEnv env);
    ~CorbeltSession();
    CorbeltSession(const CorbeltSession&) = delete;
    CorbeltSession& operator=(const CorbeltSession&) = delete;

    // Takes the single-instance mutex. False when another instance holds
    // it: nothing else may run then.
    bool ClaimInstance();
    // Writes the Run value, starts Winsock, selects the hub, loads
    // "Options.opt" and points the chosen browsers at the proxy.
    void Prepare();
    // Listens on the proxy port. False (the reason in Proxy().LastError())
    // when it cannot.
    bool StartProxy();
    // Undoes, in reverse, what ran: stops the proxy, saves the settings,
    // restores the browsers whose flag is set now, ends Winsock and gives
    // up the mutex. Runs once; later calls do nothing.
    void Stop();
    // Saves the settings and restores the browsers at once, ahead of Stop,
    // which then does neither again: at the end of the user's session the
    // system may end the process while the proxy waits for its connections.
    void SaveAndRestoreBrowsers();
    // Removes the Run value written at start, when it is there.
    void RemoveRunValue() const;

    CorbeltProxy& Proxy() { return proxy_; }
    SiteList& Sites() { return proxy_.Sites(); }
    const SessionEnv& Env() const { return env_; }
    const std::string& Folder() const { return proxy_.Files().folder; }

private:
    void SetUpBrowsers(bool setUp);

    SessionEnv env_;
    CorbeltProxy proxy_;
    sync::InstanceMutex mutex_;
    std::unique_ptr<proxy::WinsockSession> winsock_;
    bool loaded_ = false;
    bool browsersSetUp_ = false;
    bool proxyStarted_ = false;
};

}  // namespace privacy
