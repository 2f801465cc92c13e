#pragma once
// Where a program's message boxes go: the screen, or a test's answers. The
// one seam every program and shared class shows its messages through.
#include <windows.h>

#include <string>

namespace ui {

class MessagePrompt {
public:
    virtual ~MessagePrompt() = default;
    // A box without owner window; `type` holds MB_ button and icon flags.
    // Returns the button pressed (IDOK, IDYES, IDNO ...).
    virtual int Show(const std::string& text, const std::string& caption, unsigned type) = 0;

    void Inform(const std::string& text, const std::string& caption) {
        Show(text, caption, MB_OK | MB_ICONINFORMATION);
    }
    bool AskYesNo(const std::string& text, const std::string& caption) {
        return Show(text, caption, MB_YESNO | MB_ICONQUESTION) == IDYES;
    }
};

class ScreenMessagePrompt : public MessagePrompt {
public:
    int Show(const std::string& text, const std::string& caption, unsigned type) override;
};

}  // namespace ui
