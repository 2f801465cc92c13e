#pragma once
// What a settings page asks of the window around it.
#include <string>

#include "platform/ui/message_prompt.h"
#include "popup/res/resource_ids.h"

namespace popup {

enum class WizardMode { Reset = 0, Set = 1 };

class PageHost {
public:
    virtual ~PageHost() = default;
    // One of the private messages of resource_ids.h (WM_CATCHING_CHANGED ...).
    virtual void PostToMain(unsigned message) = 0;
    // Marks the page changed (the sheet's Apply button).
    virtual void SetModified() = 0;
    // Where the pages' message boxes go.
    virtual ui::MessagePrompt& Prompt() = 0;
    // Runs the proxy configuration wizard modally.
    virtual void RunProxyWizard(WizardMode mode) = 0;
    // Ends the program: its settings are saved, its windows closed.
    virtual void EndProgram() = 0;
};

}  // namespace popup
