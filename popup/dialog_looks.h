#pragma once
// What every dialog of the program does when it opens: its texts from the
// language file, with the template's own texts as the defaults, and the skin.
#include <windows.h>

#include <string>
#include <vector>

class CSkin;

namespace popup {

class CHalvaneTexts;

// Control ids[i] gets key firstKey + i; the window's own title stands as
// IDC_WINDOW_TITLE.
void LoadTemplateTexts(const CHalvaneTexts& texts, HWND dialog, int firstKey,
                       const std::vector<int>& ids);

// Loads `skinFile` into `skin` (created when needed) and draws `dialog` with it.
void ApplySkinFile(CSkin& skin, const std::string& skinFile, HWND dialog);

}  // namespace popup
