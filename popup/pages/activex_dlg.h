#pragma once
// The ActiveX page: one security zone at a time with its five ActiveX
// policies; the main window's apply writes the zone on show.
#include "platform/ui/controls.h"
#include "platform/ui/image_list.h"
#include "platform/ui/property_sheet.h"
#include "popup/pages/activex_page.h"
#include "popup/pages/page_context.h"

namespace popup {

class CActiveXPage : public ui::PropertyPage {
public:
    explicit CActiveXPage(PageContext& context);

    // The first zone, read again (the main window's Cancel).
    void RefreshControls();
    // Writes the policies of the zone on show (the main window's apply).
    void SaveZonePolicies() { model_.SaveZonePolicies(); }
    void SetLanguageTexts();

protected:
    bool OnInitDialog() override;
    bool OnSetActive() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void FillZoneCombo();
    void ShowPolicies();

    PageContext& context_;
    ActiveXPageModel model_;
    ui::ComboBoxEx zones_;
    ui::ImageList icons_;
    bool noteShown_ = true;
};

}  // namespace popup
