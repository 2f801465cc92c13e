#pragma once
// The application's browser state flags are the browser configuration
// classes' own record: one definition, shared with the uninstaller.
#include "common/browser/browser_state.h"

namespace popup {

using BrowserState = browser::BrowserState;

}  // namespace popup
