#pragma once
// Which browsers are installed and which of them use the local proxy; filled
// by the application's browser-state reader, read by the prompt and pages.
struct BrowserState {
    int LanConfigured = 0;
    int DialUpConfigured = 0;
    int NetscapeConfigured = 0;
    int Opera6Configured = 0;
    int Opera7Configured = 0;
    int IEProxyConfigured = 0;
    int Opera6Installed = 0;
    int Opera7Installed = 0;
    int NetscapeInstalled = 0;

    bool AnyConfigured() const {
        return LanConfigured || DialUpConfigured || NetscapeConfigured || Opera6Configured ||
               Opera7Configured || IEProxyConfigured;
    }
};
