#pragma once
// The main dialog: the introduction, Set (runs the wizard), Reset (puts the
// backup back), the language list with flags, the link to the maker's web
// site and the About box from the system menu.
#include "platform/ui/controls.h"
#include "platform/ui/dialog.h"
#include "platform/ui/image_list.h"
#include "tuning/hyperlink.h"
#include "tuning/tuning_context.h"

namespace tuning {

class CTessalineDlg : public ui::Dialog {
public:
    explicit CTessalineDlg(TuningContext& context);

    // Puts the backup back and says how it went; Reset stays enabled while a
    // backup remains.
    void ResetSettings();
    // True while the wizard runs.
    bool WizardRunning() const { return wizardRunning_; }

protected:
    bool OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void AddAboutItem();
    void FillLanguages();
    void ApplyTexts();
    void ApplySkin();
    void UpdateResetButton();
    void OnSet();
    void OnLanguageChosen();

    TuningContext& context_;
    ui::ComboBoxEx languages_;
    ui::ImageList flags_;
    CHyperLink link_;
    HICON icon_ = nullptr;
    bool wizardRunning_ = false;
};

}  // namespace tuning
