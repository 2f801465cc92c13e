#pragma once
// The About box: texts in the user's language, the program file's version
// values and a button to the maker's web site.
#include "platform/ui/dialog.h"

namespace popup {

class CHalvaneApp;

class CAboutDlg : public ui::Dialog {
public:
    explicit CAboutDlg(CHalvaneApp& app);

protected:
    bool OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    void ShowVersionValue(int id);
    void OpenWebSite();

    CHalvaneApp& app_;
};

}  // namespace popup
