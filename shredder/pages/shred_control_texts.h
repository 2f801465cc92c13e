#pragma once
// The language texts of a dialog's controls (and its title), set in one
// call from a table of control ids and text keys.
#include <windows.h>

#include <initializer_list>

#include "shredder/core/shredder_texts.h"

namespace shredder {

struct ControlText {
    int id;  // 0: the dialog's own title
    TextRef text;
};

void SetControlTexts(HWND dialog, const ShredderTexts& texts,
                     std::initializer_list<ControlText> controls);

// The program's help file, "<AppPath>\HLP\Mirrowick.chm", opened maximised;
// none ships, and without it Help opens nothing.
void OpenProgramHelp(HWND owner, const std::string& appPath);

}  // namespace shredder
