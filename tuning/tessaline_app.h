#pragma once
// The application object: decides the Windows family, reads the program
// folder and language, and runs the main dialog modally; the program ends
// when it closes.
#include "common/os/os_version.h"
#include "platform/ui/app.h"
#include "tuning/tuning_context.h"

namespace tuning {

// The family of a Windows version; false for one the program does not know
// (anything after XP).
bool FamilyOf(const COsVersion& os, Family& family);

class CTessalineApp : public ui::App {
public:
    CTessalineApp(Registry& registry, ui::MessagePrompt& prompt) : context_(registry, prompt) {}

    TuningContext& Context() { return context_; }

protected:
    bool InitInstance() override;

private:
    void ReadProgramKey();

    TuningContext context_;
};

}  // namespace tuning
