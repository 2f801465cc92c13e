#pragma once
// The one-text notice with a "Don't show me this again." box: the old-shell
// notice at start-up and the Recycle Bin conflict warning. Options in,
// result out; the dialog implements AlertPrompt, tests answer it.
#include "shredder/core/shredder_texts.h"

namespace shredder {

enum AlertMode { kAlertOldShell = 0, kAlertRecycleBin = 1 };

struct AlertResult {
    bool ok = false;             // closed with OK (not Escape or the close box)
    bool dontShowAgain = false;  // the box was ticked
};

// The notice a mode shows.
const TextRef& AlertNotice(int mode);

class AlertPrompt {
public:
    virtual ~AlertPrompt() = default;
    virtual AlertResult ShowAlert(int mode) = 0;
};

}  // namespace shredder
