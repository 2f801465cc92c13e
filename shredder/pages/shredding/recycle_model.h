#pragma once
// The Recycle Bin page without its window: Shred Now after the conflict
// warning (until the user turns it off), and Schedule. Shred Now is also
// what a command-line run does for the item "recycle".
#include "shredder/pages/shredding/alert.h"
#include "shredder/pages/shredding/page_context.h"

namespace shredder {

class RecyclePageModel {
public:
    RecyclePageModel(ShredPageContext& context, AlertPrompt& alert)
        : context_(context), alert_(alert) {}

    // The engine's result; kGoOn when the warning was declined.
    int OnShredNow();
    void OnSchedule();

private:
    ShredPageContext& context_;
    AlertPrompt& alert_;
};

}  // namespace shredder
