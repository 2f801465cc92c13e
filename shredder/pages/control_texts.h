#pragma once
// A dialog's controls given their language-file texts in one call.
#include <windows.h>

#include <initializer_list>

#include "shredder/core/shredder_texts.h"

namespace shredder {

struct ControlText {
    int id;
    const TextRef& text;
};

inline void SetControlTexts(HWND dialog, const ShredderTexts& texts,
                            std::initializer_list<ControlText> controls) {
    for (const ControlText& control : controls)
        SetDlgItemTextA(dialog, control.id, texts.Text(control.text).c_str());
}

}  // namespace shredder
