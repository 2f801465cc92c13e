#pragma once
// The counter window: shows the blocked count in the bottom-right corner of
// the screen for five seconds, then slides out to the right. The slide runs
// on a timer of the window itself, so it ends with the window.
#include "platform/ui/dialog.h"

namespace popup {

class CHalvaneApp;

class CCounterDlg : public ui::Dialog {
public:
    explicit CCounterDlg(CHalvaneApp& app);

    // Shows the window at its home position with the current count; a
    // window sliding out comes back and stays another five seconds.
    void ShowCount();
    // The current count into the window.
    void RefreshCount();
    void SetLanguageTexts();

protected:
    bool OnInitDialog() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void OnShowWindow();
    void OnTimer(UINT_PTR id);
    void SlideStep();
    void MoveTo(int left, int top);

    CHalvaneApp& app_;
    POINT home_ = {0, 0};
};

}  // namespace popup
