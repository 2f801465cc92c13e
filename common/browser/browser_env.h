#pragma once
// Everything the browser configuration classes take from their program: its
// texts, where its messages go, its in-memory browser state, the writer of
// Internet Explorer's connection options and the users' base folders.
#include "common/browser/browser_state.h"
#include "common/browser/connection_options.h"
#include "common/browser/message_sink.h"
#include "common/browser/profile_folders.h"
#include "common/lang/text_source.h"

namespace browser {

struct BrowserEnv {
    const lang::TextSource& text;
    MessageSink& messages;
    BrowserState& state;
    ConnectionOptionWriter& options;
    ProfileBases bases;
};

}  // namespace browser
