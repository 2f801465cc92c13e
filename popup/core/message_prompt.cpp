#include "popup/core/message_prompt.h"

#include <windows.h>

int ScreenMessagePrompt::Show(const std::string& text, const std::string& caption,
                              unsigned type) {
    return MessageBoxA(nullptr, text.c_str(), caption.c_str(), type);
}
