#include "popup/core/first_run_prompt.h"

#include <windows.h>

#include "common/lang/text_source.h"
#include "popup/core/halvane_settings.h"
#include "platform/ui/message_prompt.h"

namespace popup {

namespace {

struct MaskText {
    const char* key;
    const char* text;
};

#define VB_ASK "\r\nDo you want to configure proxy settings now?"

// Indexed by the mask; masks 0 and 7 have no text.
const MaskText kMaskTexts[16] = {
    {nullptr, nullptr},
    {"19000", "You have Internet Explorer browser installed,but you haven't configured the "
              "proxy settings" VB_ASK},
    {"19001", "You have Opera 6 browser  installed, but you haven't configured the proxy "
              "settings" VB_ASK},
    {"19004", "You have Internet Explorer and Opera 6 browsers installed, but you haven't "
              "configured the proxy settings for any of them"},
    {"19002", "You have Opera 7 browser installed, but you haven't configured the proxy "
              "settings"},
    {"19005", "You have Internet Explorer and Opera 7 browsers installed, but you haven't "
              "configured the proxy settings for any of them" VB_ASK},
    {"19007", "You have Opera 6 and Opera 7 browsers installed, but you haven't configured "
              "the proxy settings for any of them" VB_ASK},
    {nullptr, nullptr},
    {"19003", "You have netscape browser installed, but you haven't configured the proxy "
              "settings" VB_ASK},
    {"19006", "You have Internet Explorer and netscape browsers installed, but you haven't "
              "configured the proxy settings for any of them" VB_ASK},
    {"19008", "You have Opera 6 and netscape browsers installed, but you haven't configured "
              "the proxy settings for any of them" VB_ASK},
    {"19015", "You have Internet Explorer, Opera 6, and netscape installed, but you haven't "
              "configured the proxy settings for any of them" VB_ASK},
    {"19009", "You have Opera 7 and netscape browsers installed, but you haven't configured "
              "the proxy settings for any of them" VB_ASK},
    {"19016", "You have Internet Explorer, Opera 7, and netscape installed, but you haven't "
              "configured the proxy settings for any of them" VB_ASK},
    {"19010", "You have Opera 6, Opera 7 and netscape installed, but you haven't configured "
              "the proxy settings for any of them" VB_ASK},
    {"19011", "You have Internet Explorer, Opera 6, Opera 7 and netscape installed, but you "
              "haven't configured the proxy settings for any of them" VB_ASK},
};

#undef VB_ASK

}  // namespace

int UnconfiguredBrowserMask(const BrowserState& state) {
    int mask = 0;
    if (!state.LanConfigured && !state.DialUpConfigured) mask |= 1;
    if (state.Opera6Installed && !state.Opera6Configured) mask |= 2;
    if (state.Opera7Installed && !state.Opera7Configured) mask |= 4;
    if (state.NetscapeInstalled && !state.NetscapeConfigured) mask |= 8;
    return mask;
}

void RunFirstRunPrompt(const BrowserState& state, CHalvaneSettings& settings,
                       ui::MessagePrompt& prompt, const lang::TextSource& texts,
                       const std::string& caption) {
    if (settings.wizardMessage != "A") return;
    const MaskText& chosen = kMaskTexts[UnconfiguredBrowserMask(state)];
    settings.wizardMessage = "N";
    settings.openWizard = 0;
    if (!chosen.key) return;
    const std::string question =
        texts.Text(chosen.key, chosen.text) +
        texts.Text("19012", "\r\nNOTE: The program will not work properly unless you "
                            "configure the proxy settings") +
        texts.Text("19013", "\r\nClick Yes to start the wizard\r\nNo to hide this message box "
                            "forever.");
    if (prompt.Show(question, caption, MB_YESNO | MB_ICONINFORMATION) == IDYES) {
        settings.openWizard = 1;
        return;
    }
    prompt.Show(texts.Text("19014", "WARNING\r\nProxy is not configured for some or all of "
                                    "your installed browsers and the program will not work "
                                    "properly with unconfigured browsers"),
                caption, MB_OK | MB_ICONWARNING);
}

}  // namespace popup
