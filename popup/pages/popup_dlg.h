#pragma once
// The Popups page: catching, banner blocking and the sound alert, the proxy
// wizard in set and reset mode, and the warning that blinks while no browser
// uses the proxy. Its cleaner worker ends before the page does.
#include "platform/ui/property_sheet.h"
#include "popup/pages/cleaner_worker.h"
#include "popup/pages/page_context.h"
#include "popup/pages/popup_page.h"

namespace popup {

class CPopupDlg : public ui::PropertyPage {
public:
    explicit CPopupDlg(PageContext& context);

    // The controls from the settings again (the main window's Cancel).
    void RefreshControls();
    // The tray changed catching or banner blocking: the boxes follow.
    void ShowSettings();
    void SetLanguageTexts();
    // A cleaner pass (the tray's Enable/Disable command).
    void StartCleaner() { worker_.Start(); }
    bool SoundTicked() const { return model_.SoundTicked(); }

protected:
    bool OnInitDialog() override;
    bool OnSetActive() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    // The controls and the blink timer as the model has them.
    void ShowModel();

    PageContext& context_;
    CleanerWorker worker_;
    PopupPageModel model_;
    bool timerRunning_ = false;
};

}  // namespace popup
