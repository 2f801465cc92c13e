#include "popup/core/halvane_texts.h"

#include "common/files/whole_file.h"
#include "common/lang/lang_file.h"

namespace popup {

std::string CHalvaneTexts::FilePath() const {
    return lang::LangFilePath(path_, lang::kHalvaneText.folder, language_);
}

std::string CHalvaneTexts::GetLangString(const char* key, const char* def) const {
    return lang::ReadLangString(FilePath(), lang::kHalvaneText, key, def);
}

void CHalvaneTexts::LoadDialogTexts(HWND wnd, const std::vector<std::string>& defaults,
                                    int firstKey, const std::vector<int>& ids) const {
    std::string file;
    files::ReadWholeFile(FilePath(), file);  // read once for every text; missing: the defaults
    for (size_t i = 0; i < ids.size() && i < defaults.size(); ++i) {
        const std::string key = std::to_string(firstKey + static_cast<int>(i));
        const std::string text =
            lang::LangText(file, lang::kHalvaneDialog, key.c_str(), defaults[i].c_str());
        if (ids[i] == kTitleControlId)
            SetWindowTextA(wnd, text.c_str());
        else
            SetDlgItemTextA(wnd, ids[i], text.c_str());
    }
}

void CHalvaneTexts::GetWizardString(HWND wnd, int id, const char* key, const char* def) const {
    const std::string text = lang::ReadLangString(FilePath(), lang::kHalvaneWizard, key, def);
    SetDlgItemTextA(wnd, id, text.c_str());
}

}  // namespace popup
