#pragma once
// Dialog texts from the language file, each control keeping its own text as
// the default.
#include <windows.h>

#include <vector>

#include "popup/core/halvane_texts.h"

namespace popup {

// Control ids[i] takes key firstKey + i.
void LoadControlTexts(const CHalvaneTexts& texts, HWND dialog, int firstKey,
                      const std::vector<int>& ids);

}  // namespace popup
