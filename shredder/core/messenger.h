#pragma once
// Where the shredder's messages go: a box titled with the product caption
// in interactive runs, the log in silent ones. Questions that a silent run
// must still ask go through Ask.
#include <string>

#include "platform/ui/message_prompt.h"
#include "shredder/core/shred_log.h"

namespace shredder {

class Messenger {
public:
    Messenger(ui::MessagePrompt& prompt, const ShredLog& log) : prompt_(prompt), log_(log) {}

    void SetCaption(const std::string& caption) { caption_ = caption; }
    const std::string& Caption() const { return caption_; }
    void SetSilent(bool silent) { silent_ = silent; }
    bool Silent() const { return silent_; }

    // Shown (answering the button) or, in silent runs, logged (answering IDOK).
    int Tell(const std::string& text, unsigned type);
    // Always shown.
    int Ask(const std::string& text, unsigned type);
    int AskTitled(const std::string& text, const std::string& title, unsigned type);
    // A box with another title (the system's error texts go under "Error").
    int TellTitled(const std::string& text, const std::string& title, unsigned type);

    // The last message a silent run logged; empty while none was.
    const std::string& LastLogged() const { return lastLogged_; }
    // Ends a silent run: "Success" when nothing else was logged.
    void WriteSuccessIfQuiet();

private:
    ui::MessagePrompt& prompt_;
    const ShredLog& log_;
    std::string caption_;
    bool silent_ = false;
    std::string lastLogged_;
};

// "%s", "%u", "%c" ... in a language text replaced in order by `value`.
std::string FillIn(const std::string& text, const char* mark, const std::string& value);

}  // namespace shredder
