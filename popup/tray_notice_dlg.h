#pragma once
// The notice at start that the program sits in the notification area, with
// its "don't show again" box.
#include "platform/ui/dialog.h"

namespace popup {

class CHalvaneApp;

class CTrayNoticeDlg : public ui::Dialog {
public:
    explicit CTrayNoticeDlg(CHalvaneApp& app);

protected:
    bool OnInitDialog() override;
    void OnOK() override;

private:
    CHalvaneApp& app_;
};

}  // namespace popup
