// CBlockingOptionsDlg: the skinned dialog that edits one site's six blocking
// options. Clicks store into the choice at once; the caller keeps the
// choice only when the dialog ends with OK.
#pragma once
#include "privacy/app/page_rules.h"
#include "privacy/look/dialog_skin.h"
#include "privacy/look/skin_button.h"

namespace privacy {

class CBlockingOptionsDlg : public CDialogSkin1 {
public:
    explicit CBlockingOptionsDlg(const BlockingChoice& choice);
    const BlockingChoice& Choice() const { return choice_; }

protected:
    bool OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    int* Box(UINT id);
    void ApplyEnables();

    BlockingChoice choice_;
    CSkinButton ok_, cancel_;
};

}  // namespace privacy
