#include "privacy/app/corbelt_session.h"

#include "privacy/core/registry_key.h"
#include "privacy/core/text_routines.h"

namespace privacy {

const char kInstanceMutexName[] = "Velmora Veilstride";
const char kRunKeyPath[] = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kRunValueName[] = "VelmoraVeilstride";

void PointBrowser(Browser browser, bool setUp, const SessionEnv& env) {
    using Routine = void (*)(const std::string&, int, const BrowserSetupEnv&);
    Routine routine = nullptr;
    switch (browser) {
    case Browser::kOpera: routine = setUp ? SetupOperaProxy : RestoreOperaProxy; break;
    case Browser::kNetscape: routine = setUp ? SetupMozillaProxy : RestoreMozillaProxy; break;
    case Browser::kIE: routine = setUp ? SetupIEProxy : RestoreIEProxy; break;
    }
    routine(kProxyHost, env.port, env.browsers);
}

SessionEnv SystemSessionEnv(const std::string& programPath) {
    SessionEnv env;
    env.programPath = programPath;
    env.browsers = SystemBrowserSetupEnv();
    return env;
}

CorbeltSession::CorbeltSession(SessionEnv env)
    : env_(std::move(env)), proxy_(ProgramFiles(ParentFolder(env_.programPath)), env_.probes) {}

CorbeltSession::~CorbeltSession() { Stop(); }

bool CorbeltSession::ClaimInstance() {
    return mutex_.Take(env_.mutexName);
}

void CorbeltSession::Prepare() {
    if (!mutex_.Held()) return;
    // Quoted, so that a path with blanks is not read as a shorter program
    // ("C:\Program.exe") at log-on.
    CRegistryKey(env_.runKeyPath).WriteString(kRunValueName, "\"" + env_.programPath + "\"");
    // The hub is tested by connecting to it, so sockets must work first.
    winsock_.reset(new proxy::WinsockSession());
    proxy_.Load();
    loaded_ = true;
    SetUpBrowsers(true);
    browsersSetUp_ = true;
}

bool CorbeltSession::StartProxy() {
    if (!loaded_) return false;
    proxyStarted_ = proxy_.Start(env_.port) == 1;
    return proxyStarted_;
}

void CorbeltSession::Stop() {
    if (proxyStarted_) proxy_.Stop();
    proxyStarted_ = false;
    SaveAndRestoreBrowsers();
    winsock_.reset();
    mutex_.Release();
}

void CorbeltSession::SaveAndRestoreBrowsers() {
    if (loaded_) proxy_.Save();
    loaded_ = false;
    if (browsersSetUp_) SetUpBrowsers(false);
    browsersSetUp_ = false;
}

void CorbeltSession::RemoveRunValue() const {
    const CRegistryKey run(env_.runKeyPath);
    CRegistryValue value;
    if (run.ReadValue(kRunValueName, value)) value.Delete();
}

void CorbeltSession::SetUpBrowsers(bool setUp) {
    const PrivacySettings settings = proxy_.Sites().Snapshot();
    if (settings.browserOpera) PointBrowser(Browser::kOpera, setUp, env_);
    if (settings.browserNetscape) PointBrowser(Browser::kNetscape, setUp, env_);
    if (settings.browserIE) PointBrowser(Browser::kIE, setUp, env_);
}

}  // namespace privacy
