#include "popup/pages/page_texts.h"

#include "platform/ui/window.h"

namespace popup {

void LoadControlTexts(const CHalvaneTexts& texts, HWND dialog, int firstKey,
                      const std::vector<int>& ids) {
    std::vector<std::string> defaults;
    for (int id : ids) defaults.push_back(ui::WindowText(GetDlgItem(dialog, id)));
    texts.LoadDialogTexts(dialog, defaults, firstKey, ids);
}

}  // namespace popup
