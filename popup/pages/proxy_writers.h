#pragma once
// The browser proxy writers the wizard's Finish drives: Internet Explorer's
// connections, the Netscape/Mozilla profiles and Opera's settings files. Each
// writer reports its own failures and updates the browser state flags.
#include <string>
#include <vector>

#include "platform/ui/widgets/check_list.h"

namespace popup {

// What a run over the chosen Netscape/Mozilla profiles did.
struct ProfileWrites {
    bool changed = false;  // some profile file was written
    bool all = true;       // every chosen profile was written (failures were reported)
};

class ProxyWriters {
public:
    virtual ~ProxyWriters() = default;

    // The dial-up connections, in list order; greyed: may not be chosen in
    // this mode (set mode: already configured; reset mode: not configured).
    virtual std::vector<ui::ListRow> ListDialUpConnections(bool setMode) = 0;
    // The Netscape/Mozilla profiles, greyed by the same rule.
    virtual std::vector<ui::ListRow> ListNetscapeProfiles(bool setMode) = 0;

    // `chosen` holds one tick per listed connection, in list order.
    virtual void SetIEProxy(bool lan, bool dialUp, const std::vector<bool>& chosen) = 0;
    virtual void ResetIEProxy(bool lan, bool dialUp, const std::vector<bool>& chosen) = 0;

    // One tick per listed profile.
    virtual ProfileWrites SetNetscapeProxyAll(const std::string& host, const std::string& port,
                                              const std::vector<bool>& chosen) = 0;
    virtual ProfileWrites ResetNetscapeProxyAll(const std::vector<bool>& chosen) = 0;

    virtual void SetOperaProxy(bool opera6, bool opera7, const std::string& host,
                               const std::string& port) = 0;
    virtual void ResetOperaProxy(bool opera6, bool opera7) = 0;
};

}  // namespace popup
