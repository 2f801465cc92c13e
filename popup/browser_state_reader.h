#pragma once
// Which browsers are installed and which of them use the local proxy: the
// stored flags, corrected by what the browsers' own settings say now.
#include "common/browser/browser_env.h"

namespace popup {

// Fills env.state. Browsers that are not installed get their stored
// configured flag cleared. Answers whether any browser uses the proxy.
bool ReadBrowserState(browser::BrowserEnv& env);

}  // namespace popup
