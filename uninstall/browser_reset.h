#pragma once
// Takes the popup blocker's proxy out of the browsers, with the blocker's
// own configuration classes in their reset form: the stored flags say which
// browsers it configured, and an inspection of each installed browser adds
// those whose flags were lost.
#include "common/browser/browser_env.h"

namespace browser {
class CConnectionList;
}

namespace uninstall {

// Reads the stored flags of "Proxy Setting" and finds the installed
// browsers, then looks into the unflagged installed ones.
void ReadBrowserState(browser::BrowserEnv& env, browser::CConnectionList& connections);

// ReadBrowserState, then each configured browser's reset. True when
// Netscape or Mozilla was found configured (its new settings take effect
// from its second launch).
bool RestoreBrowserProxies(browser::BrowserEnv& env, browser::CConnectionList& connections);

}  // namespace uninstall
