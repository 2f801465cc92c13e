#pragma once
// The alert dialog (129): one notice (the old shell at start-up, or the
// Recycle Bin conflict warning) with a "Don't show me this again." box.
#include "platform/ui/dialog.h"
#include "platform/ui/skin.h"
#include "shredder/pages/shredding/alert.h"

namespace shredder {

class CAlertDlg : public ui::Dialog, public AlertPrompt {
public:
    CAlertDlg(const ShredderTexts& texts, CSkin& skin, HWND owner);

    // Modal; the box's state is read when the dialog ends.
    AlertResult ShowAlert(int mode) override;

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    const ShredderTexts& texts_;
    CSkin& skin_;
    HWND owner_;
    int mode_ = kAlertOldShell;
    bool dontShowAgain_ = false;
};

// Start-up's old-shell notice (no owner window and no skin yet): true
// when closed with OK and the box ticked.
bool ShowOldShellNotice(const ShredderTexts& texts);

}  // namespace shredder
