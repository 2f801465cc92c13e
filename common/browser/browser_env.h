#pragma once
// Everything the browser configuration classes take from their program: its
// texts, where its messages go, its in-memory browser state, the writer of
// Internet Explorer's connection options and the users' base folders.
#include "common/browser/browser_state.h"
#include "common/browser/connection_options.h"
#include "common/browser/profile_folders.h"
#include "common/lang/text_source.h"
#include "platform/ui/message_prompt.h"

namespace browser {

struct BrowserEnv {
    const lang::TextSource& text;
    ui::MessagePrompt& messages;
    BrowserState& state;
    ConnectionOptionWriter& options;
    ProfileBases bases;
    // The caption of the classes' error boxes: the program's title.
    std::string caption;

    void ShowError(const std::string& message) {
        messages.Show(message, caption, MB_OK | MB_ICONERROR);
    }
};

}  // namespace browser
