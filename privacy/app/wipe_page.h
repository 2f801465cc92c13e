// CWipePage: the fourth page of the main window, clearing the traces the
// browser and the shell keep in the user's profile. The wipe ticks live in
// the settings of `sites` and are saved with them; a tick is stored the
// moment it changes, and nothing is deleted until "Clear Selected Items".
#pragma once
#include "platform/ui/dialog.h"
#include "platform/ui/message_prompt.h"
#include "privacy/core/site_list.h"
#include "privacy/look/skin_button.h"

namespace privacy {

class CWipePage : public ui::Dialog {
public:
    explicit CWipePage(SiteList& sites);

protected:
    bool OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}
    bool OnCommand(UINT id, UINT code, HWND control) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void StoreTick(int item, int box);
    // Clears the ticked items; tells the user which ones it had to leave.
    void ClearTicked();

    SiteList& sites_;
    CSkinButton clear_;
    ui::ScreenMessagePrompt prompt_;
};

}  // namespace privacy
