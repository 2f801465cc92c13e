#pragma once
// The question asked once at start while `Wizard Message` is "A": whether to
// configure the browsers that do not use the proxy yet.
#include <string>

#include "popup/core/browser_state.h"

namespace ui {
class MessagePrompt;
}
namespace lang {
class TextSource;
}

namespace popup {

class CHalvaneSettings;

// 1: neither the LAN nor a dial-up connection uses the proxy; 2: Opera 6,
// 4: Opera 7, 8: Netscape/Mozilla installed and not configured.
int UnconfiguredBrowserMask(const BrowserState& state);

// Asks when the settings say so and the mask has a text (masks 0 and 7 have
// none: nothing is shown). Sets the open-wizard flag from the answer; after
// it `Wizard Message` is "N" in memory.
void RunFirstRunPrompt(const BrowserState& state, CHalvaneSettings& settings,
                       ui::MessagePrompt& prompt, const lang::TextSource& texts,
                       const std::string& caption);

}  // namespace popup
