#include "platform/ui/message_prompt.h"

namespace ui {

HWND ScreenMessagePrompt::OwnerForBox() const {
    HWND owner = owner_ ? owner_ : GetActiveWindow();
    return owner && IsWindow(owner) ? owner : nullptr;
}

int ScreenMessagePrompt::Show(const std::string& text, const std::string& caption, unsigned type) {
    return MessageBoxA(OwnerForBox(), text.c_str(), caption.c_str(), type);
}

}  // namespace ui
