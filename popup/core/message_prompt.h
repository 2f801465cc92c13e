#pragma once
// Where the program's message boxes go: the screen, or a test's answers.
#include <string>

class MessagePrompt {
public:
    virtual ~MessagePrompt() = default;
    // A box without owner window; `type` holds MB_ button and icon flags.
    // Returns the button pressed (IDOK, IDYES, IDNO).
    virtual int Show(const std::string& text, const std::string& caption, unsigned type) = 0;
};

class ScreenMessagePrompt : public MessagePrompt {
public:
    int Show(const std::string& text, const std::string& caption, unsigned type) override;
};
