#include "shredder/pages/shred_control_texts.h"

#include <shellapi.h>

namespace shredder {

void SetControlTexts(HWND dialog, const ShredderTexts& texts,
                     std::initializer_list<ControlText> controls) {
    for (const ControlText& control : controls) {
        const std::string text = texts.Text(control.text);
        if (control.id == 0)
            SetWindowTextA(dialog, text.c_str());
        else
            SetDlgItemTextA(dialog, control.id, text.c_str());
    }
}

void OpenProgramHelp(HWND owner, const std::string& appPath) {
    const std::string file = appPath + "\\HLP\\Mirrowick.chm";
    if (GetFileAttributesA(file.c_str()) == INVALID_FILE_ATTRIBUTES) return;
    ShellExecuteA(owner, "open", file.c_str(), nullptr, nullptr, SW_SHOWMAXIMIZED);
}

}  // namespace shredder
