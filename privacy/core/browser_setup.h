#pragma once
// Points Internet Explorer, Mozilla (its first prefs.js) and Opera (its
// first profile's opera6.ini) at the local proxy, and puts the user's own
// settings back. Set-up keeps each setting it replaces, and that the user
// had none where it adds one, under the program's own registry key (not when
// it already names the local proxy, so a second set-up never keeps our own
// values); restore touches only settings that still name the local proxy,
// putting back what was kept (removing what the user had none of) or else
// switching the proxy off, so a proxy the user chose meanwhile stays. Either
// way the kept copy goes. Failures leave that one value or file as it was and the
// routine goes on.
#include <functional>
#include <string>

namespace privacy {

extern const char kKeptProxyKey[];  // HKCU\Software\Velmora\Veilstride\Browsers

struct BrowserSetupEnv {
    std::string appDataFolder;              // Mozilla and Opera keep their files below it
    std::string keptKey = kKeptProxyKey;    // where the user's own settings are kept
    std::function<void()> settingsChanged;  // tells the system Internet settings changed
};

// The running system's folder and notification.
BrowserSetupEnv SystemBrowserSetupEnv();

// "host:port".
std::string ProxyText(const std::string& host, int port);

// Internet Explorer's per-connection settings blob: flags at byte 8 (bit
// value 2: use a proxy), the proxy text's length at 12, the text from 16.
// False, and the blob unchanged, when it is too short for that or its
// stored length runs past its end.
bool SetBlobProxy(std::string& blob, const std::string& proxyText);
// Clears the proxy bit and the text, only when the blob names `proxyText`.
bool ClearBlobProxy(std::string& blob, const std::string& proxyText);
// A blob's proxy bit and text as one text ("1" or "0", then the text), and
// back; "" for a blob too short to hold them.
std::string BlobProxyState(const std::string& blob);
bool PutBlobProxyState(std::string& blob, const std::string& state);

void SetupIEProxy(const std::string& host, int port, const BrowserSetupEnv& env);
void RestoreIEProxy(const std::string& host, int port, const BrowserSetupEnv& env);
void SetupMozillaProxy(const std::string& host, int port, const BrowserSetupEnv& env);
void RestoreMozillaProxy(const std::string& host, int port, const BrowserSetupEnv& env);
void SetupOperaProxy(const std::string& host, int port, const BrowserSetupEnv& env);
void RestoreOperaProxy(const std::string& host, int port, const BrowserSetupEnv& env);

// The first prefs.js / opera6.ini in listing order; "" when there is none.
std::string FindMozillaPrefs(const BrowserSetupEnv& env);
std::string FindOperaIni(const BrowserSetupEnv& env);

}  // namespace privacy
