#pragma once
// The About box: the program's name, version, description and disclaimer
// in the user's language, and a button that starts the system-information
// tool. Shown modeless beside the main form.
#include "platform/ui/dialog.h"
#include "platform/ui/skin.h"
#include "startup/app/shell_seam.h"
#include "startup/core/language.h"

namespace startup {

class CAboutDlg : public ui::Dialog {
public:
    CAboutDlg(const Language& language, Shell& shell);
    // Opens the box, or brings the open one to the front.
    void Show(HWND owner);

protected:
    bool OnInitDialog() override;
    void OnOK() override { Destroy(); }
    void OnCancel() override { Destroy(); }
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    void SetCaptions();
    void StartSysInfo();

    const Language& language_;
    Shell& shell_;
    CSkin skin_;
};

}  // namespace startup
