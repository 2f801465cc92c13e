#include "platform/ui/message_prompt.h"

namespace ui {

int ScreenMessagePrompt::Show(const std::string& text, const std::string& caption, unsigned type) {
    return MessageBoxA(nullptr, text.c_str(), caption.c_str(), type);
}

}  // namespace ui
