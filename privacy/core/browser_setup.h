#pragma once
// Points Internet Explorer, Mozilla (its first prefs.js) and Opera (its
// first profile's opera6.ini) at the local proxy, and switches that back
// off. Restore touches only settings that still name the local proxy, so a
// proxy the user chose meanwhile stays. Failures leave that one value or
// file as it was and the routine goes on.
#include <functional>
#include <string>

namespace privacy {

struct BrowserSetupEnv {
    std::string appDataFolder;              // Mozilla and Opera keep their files below it
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
