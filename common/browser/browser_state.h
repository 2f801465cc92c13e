#pragma once
// What the popup blocker knows about the browsers: which are installed and
// which already use its proxy. The application object owns one; the
// configuration classes update it as they write.
namespace browser {

// The proxy address every browser is given.
constexpr char kProxyHost[] = "VelmoraBlinkward";
constexpr char kProxyPort[] = "8100";
constexpr char kIEProxyString[] = "http=VelmoraBlinkward:8100";

struct BrowserState {
    int LanConfigured = 0;
    int DialUpConfigured = 0;
    int NetscapeConfigured = 0;
    int Opera6Configured = 0;
    int Opera7Configured = 0;
    int Opera6Installed = 0;
    int Opera7Installed = 0;
    int NetscapeInstalled = 0;
    int IEProxyConfigured = 0;

    bool AnyConfigured() const {
        return LanConfigured || DialUpConfigured || NetscapeConfigured || Opera6Configured ||
               Opera7Configured || IEProxyConfigured;
    }
};

}  // namespace browser
