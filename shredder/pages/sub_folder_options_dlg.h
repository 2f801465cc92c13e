#pragma once
// The Sub Folder Options dialog (139): the two subfolder choices as radio
// groups; the remove group is offered only while subfolders are shredded.
#include <string>

#include "platform/ui/dialog.h"
#include "platform/ui/skin.h"
#include "shredder/core/shredder_texts.h"
#include "shredder/pages/shredding/sub_folder_options.h"

namespace shredder {

class CSubFolderOptionsDlg : public ui::Dialog, public SubFolderOptionsPrompt {
public:
    CSubFolderOptionsDlg(const ShredderTexts& texts, CSkin& skin, const std::string& appPath,
                         HWND owner);

    // Modal over the owner; on OK `options` holds the choices made.
    bool EditSubFolderOptions(SubFolderOptions& options) override;

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    SubFolderOptions Chosen() const;
    void ApplyEnablingRule();

    const ShredderTexts& texts_;
    CSkin& skin_;
    std::string appPath_;
    HWND owner_;
    SubFolderOptions options_;
};

}  // namespace shredder
