#pragma once
// Where the configuration classes report failures: a message box in the
// programs, something quieter in tests.
#include <string>

namespace browser {

class MessageSink {
public:
    virtual ~MessageSink() = default;
    virtual void ShowError(const std::string& text) = 0;
};

// An error box without owner, captioned with the program's title.
class MessageBoxSink : public MessageSink {
public:
    explicit MessageBoxSink(const std::string& caption) : caption_(caption) {}
    void ShowError(const std::string& text) override;

private:
    std::string caption_;
};

}  // namespace browser
