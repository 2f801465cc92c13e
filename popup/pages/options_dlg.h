#pragma once
// The Options page: start mode, always on top, close to tray, the language
// box with its flags and the alert sound with its custom entry and Test.
#include <windows.h>
#include <commdlg.h>

#include "platform/ui/controls.h"
#include "platform/ui/image_list.h"
#include "platform/ui/property_sheet.h"
#include "popup/pages/options_page.h"
#include "popup/pages/page_context.h"

namespace popup {

// The custom sound's file dialog request for `file` (`size` bytes), in the
// structure size every target system's dialog accepts (95 and NT 4 open
// nothing for the larger one).
OPENFILENAMEA SoundFileRequest(HWND owner, char* file, DWORD size);

class COptionsPage : public ui::PropertyPage {
public:
    explicit COptionsPage(PageContext& context);

    // The controls from the settings again (the main window's Cancel).
    void RefreshControls();
    void SetLanguageTexts();

protected:
    bool OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void FillLanguageCombo();
    void ShowSounds();
    void EnableSoundControls();
    void OnLanguageChange();
    void OnSoundChange();
    // The file dialog of the custom entry; empty when cancelled.
    std::string AskForSoundFile() const;

    PageContext& context_;
    OptionsPageModel model_;
    ui::ComboBoxEx languages_;
    ui::ComboBox sounds_;
    ui::ImageList flags_;
};

}  // namespace popup
