#pragma once
// Where a program's message boxes go: the screen, or a test's answers. The
// one seam every program and shared class shows its messages through.
#include <windows.h>

#include <string>

namespace ui {

class MessagePrompt {
public:
    virtual ~MessagePrompt() = default;
    // A modal box owned by the window it belongs to; `type` holds MB_ button
    // and icon flags. Returns the button pressed (IDOK, IDYES, IDNO ...).
    virtual int Show(const std::string& text, const std::string& caption, unsigned type) = 0;

    void Inform(const std::string& text, const std::string& caption) {
        Show(text, caption, MB_OK | MB_ICONINFORMATION);
    }
    bool AskYesNo(const std::string& text, const std::string& caption) {
        return Show(text, caption, MB_YESNO | MB_ICONQUESTION) == IDYES;
    }
};

// Owns every box by `owner` when set, else by the calling thread's active
// window, so a question holds the window it was asked from: that window
// takes no input until the box is answered.
class ScreenMessagePrompt : public MessagePrompt {
public:
    explicit ScreenMessagePrompt(HWND owner = nullptr) : owner_(owner) {}
    void SetOwner(HWND owner) { owner_ = owner; }
    int Show(const std::string& text, const std::string& caption, unsigned type) override;

private:
    HWND OwnerForBox() const;
    HWND owner_;
};

}  // namespace ui
