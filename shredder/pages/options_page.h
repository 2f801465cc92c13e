#pragma once
// The "Shred Options" page (104): the overwrite algorithm with its
// description, New / Edit / Delete of custom algorithms through the
// editor, the language with its flags, and the outside updater. It also
// creates the skin control every other window of the program uses.
#include <memory>
#include <vector>

#include "common/lang/lang_file.h"
#include "platform/ui/controls.h"
#include "platform/ui/image_list.h"
#include "shredder/pages/option_rules/options_page_model.h"
#include "shredder/window/shredder_page.h"

namespace shredder {

class CMyPropertyPage1 : public ShredderPage, private LanguageChangeHost {
public:
    explicit CMyPropertyPage1(CShredderApp& app);

protected:
    bool OnInitDialog() override;
    bool OnSetActive() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    void SetLanguageTexts();
    void FillAlgorithms(int select);
    void ShowChoice(const AlgorithmChoice& choice);
    void FillLanguageCombo();
    void OnNewAlgorithm();
    void OnEditAlgorithm();
    void OnDeleteAlgorithm();
    // After positions moved: the list, `Method` and the program's scheduled
    // tasks follow their algorithms.
    void FollowMoves(const PositionMoves& moves);
    void OnSelChangeLanguage();
    void OnRunUpdate();

    void ApplyLanguageTexts(const std::string& language) override;
    void CyclePages() override;
    void RegisterBinVerb() override;
    void EndInstance() override;

    RegistryAlgorithmStore store_;
    AlgorithmChoiceModel choice_;
    ui::ComboBox algorithms_;
    ui::ComboBoxEx languages_;
    ui::ImageList flags_;
    std::vector<lang::LanguageEntry> languageEntries_;
};

}  // namespace shredder
