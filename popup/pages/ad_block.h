#pragma once
// Banner blocking through HOSTS: the marked block of ad lines is added or
// removed; the alias line and the user's own lines stay.

enum class AdBlockResult {
    Done,
    HostsMissing,  // no HOSTS file on this system
    WriteFailed,   // HOSTS could not be rewritten; it is as it was
};

class AdBlockHosts {
public:
    virtual ~AdBlockHosts() = default;
    virtual AdBlockResult Apply(bool blockAds) = 0;
};
