#pragma once
// Banner blocking through HOSTS: the marked block of ad lines is added or
// removed; the alias line and the user's own lines stay.
#include <string>

#include "popup/core/hosts_file.h"

namespace popup {

class AdBlockHosts {
public:
    virtual ~AdBlockHosts() = default;
    virtual AdBlockResult Apply(bool blockAds) = 0;
};

// The system's HOSTS file, with the ad lines of the program's "hostse".
class HostsAdBlock : public AdBlockHosts {
public:
    HostsAdBlock(const CHostsFile& hosts, const std::string& programFolder)
        : hosts_(hosts), adList_(programFolder + "\\hostse") {}
    AdBlockResult Apply(bool blockAds) override { return hosts_.SetAdBlock(blockAds, adList_); }

private:
    CHostsFile hosts_;
    std::string adList_;
};

}  // namespace popup
