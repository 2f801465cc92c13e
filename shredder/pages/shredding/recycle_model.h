#pragma once
// The Recycle Bin page without its window: Shred Now and Schedule, each
// after the conflict warning (until the user turns it off). Shred Now is
// also what a command-line run does for the item "recycle"; a silent run
// logs the warning instead of showing it and goes on.
#include "shredder/pages/shredding/alert.h"
#include "shredder/pages/shredding/page_context.h"

namespace shredder {

class RecyclePageModel {
public:
    RecyclePageModel(ShredPageContext& context, AlertPrompt& alert)
        : context_(context), alert_(alert) {}

    // The engine's result; kGoOn when the warning was declined.
    int OnShredNow();
    // Nothing is scheduled when the warning was declined.
    void OnSchedule();

private:
    // False when the user declined the warning.
    bool WarningAccepted();

    ShredPageContext& context_;
    AlertPrompt& alert_;
};

}  // namespace shredder
