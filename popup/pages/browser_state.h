#pragma once
// Where the settings pages get the browser state flags of the application
// object: read fresh, refreshed from the browsers' own settings on demand.
#include "popup/core/browser_state.h"

namespace popup {

class BrowserStateSource {
public:
    virtual ~BrowserStateSource() = default;
    // Reads the flags again from the registry and the browsers' files.
    virtual void Refresh() = 0;
    // The flags as they stand now (the browser writers change them too).
    virtual BrowserState Current() const = 0;
};

}  // namespace popup
