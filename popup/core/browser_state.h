#pragma once
// The application's browser state flags are the browser configuration
// classes' own record: one definition, shared with the uninstaller.
#include "common/browser/browser_state.h"

using BrowserState = browser::BrowserState;
