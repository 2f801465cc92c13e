#include "shredder/pages/option_rules/options_page_model.h"

#include "common/suite/scourwell.h"
#include "shredder/pages/option_rules/option_texts.h"

namespace shredder {

using suite::scourwell::kLanguageValue;
using suite::scourwell::kMethodValue;

int AlgorithmChoiceModel::InitialMethod() const {
    const int method = settings_.Method();
    if (method >= 0 && method < static_cast<int>(table_.size())) return method;
    settings_.WriteDword(kMethodValue, 0);
    return 0;
}

AlgorithmChoice AlgorithmChoiceModel::Select(int index) const {
    AlgorithmChoice choice;
    if (index < 0 || index >= static_cast<int>(table_.size())) index = 0;
    choice.index = index;
    settings_.WriteDword(kMethodValue, static_cast<DWORD>(index));
    if (!table_.empty()) {
        choice.description = table_[index].description;
        choice.editable = table_[index].custom;
    }
    return choice;
}

AlgorithmChoice AlgorithmChoiceModel::Delete(int index, bool& keyKept, PositionMoves& moves) const {
    keyKept = false;
    moves.clear();
    for (int i = 0; i < static_cast<int>(table_.size()); ++i) moves.push_back(i);
    if (index < 0 || index >= static_cast<int>(table_.size()) || !table_[index].custom) return Select(0);
    // A key that stays loads again at the next start: the entry keeps its
    // place, and with it every later one and the tasks that name them.
    if (!store_.Delete(table_[index].name)) {
        keyKept = true;
        return Select(settings_.Method());
    }
    table_.erase(table_.begin() + index);
    moves[index] = -1;
    for (size_t i = index + 1; i < moves.size(); ++i) --moves[i];
    return Select(0);
}

AlgorithmChoice AlgorithmChoiceModel::Follow(const PositionMoves& moves) const {
    const int method = settings_.Method();
    const bool known = method >= 0 && method < static_cast<int>(moves.size());
    return Select(known ? moves[method] : method);
}

int LanguageIndex(const std::vector<lang::LanguageEntry>& languages, const std::string& language) {
    for (size_t i = 0; i < languages.size(); ++i)
        if (lstrcmpiA(languages[i].name.c_str(), language.c_str()) == 0) return static_cast<int>(i);
    return -1;
}

bool ChangeLanguage(LanguageChangeParts& parts, const std::string& language) {
    if (language == parts.settings.Language()) return false;
    parts.settings.WriteString(kLanguageValue, language);
    parts.host.ApplyLanguageTexts(language);
    const std::string caption = parts.texts.Text(texts::kCaption);
    parts.prompt.Show(parts.texts.Text(texts::options::kMenuCaptionLater), caption, MB_OK | MB_ICONSTOP);
    parts.host.CyclePages();
    parts.host.RegisterBinVerb();
    if (!parts.mutex.Take(InstanceMutexName(caption))) {
        parts.prompt.Show(parts.texts.Text(texts::kAnotherInstance), caption,
                          MB_OK | MB_ICONINFORMATION);
        parts.host.EndInstance();
    }
    return true;
}

}  // namespace shredder
