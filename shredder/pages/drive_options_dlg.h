#pragma once
// Shred Drive Options (132): asked for a drive item of the command line
// that came with drive option -1, a thin window over DriveOptionsModel.
#include <string>

#include "platform/ui/dialog.h"
#include "platform/ui/skin.h"
#include "shredder/drive_wipe_actions.h"
#include "shredder/pages/option_rules/drive_page_model.h"

namespace shredder {

class CDriveOptionsDlg : public ui::Dialog, public DriveOptionsChooser {
public:
    explicit CDriveOptionsDlg(CSkin& skin);

    bool Choose(const std::string& root, const std::string& fileSystem, bool& freeSpace,
                bool& formatAfter) override;

protected:
    bool OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    void ShowChoice();

    CSkin& skin_;
    DriveOptionsModel model_;
};

}  // namespace shredder
