#pragma once
// A message prompt for tests: keeps the text of every box asked for and
// answers each with OK.
#include <string>
#include <vector>

#include "platform/ui/message_prompt.h"

namespace ui {
namespace testing {

class RecordingPrompt : public MessagePrompt {
public:
    int Show(const std::string& text, const std::string&, unsigned) override {
        texts.push_back(text);
        return IDOK;
    }
    std::vector<std::string> texts;
};

}  // namespace testing
}  // namespace ui
