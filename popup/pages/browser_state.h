#pragma once
// The browser state flags of the application object as the settings pages
// see them: read fresh, refreshed from the browsers' own settings on demand.

struct BrowserFlags {
    bool LanConfigured = false;
    bool DialUpConfigured = false;
    bool NetscapeConfigured = false;
    bool Opera6Configured = false;
    bool Opera7Configured = false;
    bool IEProxyConfigured = false;
    bool Opera6Installed = false;
    bool Opera7Installed = false;
    bool NetscapeInstalled = false;

    // Any browser carries the proxy (Internet Explorer, LAN, dial-up,
    // Netscape, Opera 6, Opera 7).
    bool AnyConfigured() const {
        return IEProxyConfigured || LanConfigured || DialUpConfigured || NetscapeConfigured ||
               Opera6Configured || Opera7Configured;
    }
};

class BrowserState {
public:
    virtual ~BrowserState() = default;
    // Reads the flags again from the registry and the browsers' files.
    virtual void Refresh() = 0;
    // The flags as they stand now (the browser writers change them too).
    virtual BrowserFlags Current() const = 0;
};
