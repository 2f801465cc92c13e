#include "popup/dialog_looks.h"

#include "popup/core/halvane_texts.h"
#include "platform/ui/skin.h"
#include "platform/ui/window.h"
#include "popup/res/resource_ids.h"

namespace popup {

void LoadTemplateTexts(const CHalvaneTexts& texts, HWND dialog, int firstKey,
                       const std::vector<int>& ids) {
    std::vector<std::string> defaults;
    for (int id : ids) {
        defaults.push_back(ui::WindowText(id == IDC_WINDOW_TITLE ? dialog : GetDlgItem(dialog, id)));
    }
    texts.LoadDialogTexts(dialog, defaults, firstKey, ids);
}

void ApplySkinFile(CSkin& skin, const std::string& skinFile, HWND dialog) {
    if (!skin.IsCreated() && !skin.Create()) return;
    skin.LoadSkin(skinFile);
    skin.ApplySkin(dialog);
}

}  // namespace popup
