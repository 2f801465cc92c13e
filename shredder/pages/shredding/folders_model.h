#pragma once
// The Shred Folders page without its window: folders gathered in one list,
// each walked by the engine and then removed when it was left empty, or
// handed to a scheduled task with the subfolder options of that moment.
#include "shredder/pages/shredding/shred_list_model.h"
#include "shredder/pages/shredding/sub_folder_options.h"

namespace shredder {

class FoldersPageModel : public ShredListModel {
public:
    explicit FoldersPageModel(ShredPageContext& context);

    // Reads the subfolder options; a stored value that is no choice is
    // replaced by never, also in the settings.
    void OnInitDialog();
    // The folder browser's result ("" when cancelled). A fixed drive's root
    // is refused: drives are wiped on their own page.
    void OnBrowse(const std::string& folder);
    // The options dialog over the current settings; a changed value is
    // written, an unchanged one is not.
    void OnSubFolderOptions(SubFolderOptionsPrompt& prompt);

    const SubFolderOptions& Options() const { return options_; }

private:
    bool TakesFolders() const override { return true; }
    uint64_t RowBytes(const PathRow& row) override;
    int ShredRow(const PathRow& row) override;
    int ConfirmForTask(const PathRow& row) override;
    std::string TaskLine(const std::string& taskName,
                         const std::vector<std::string>& paths) const override;

    int ReadChoice(const char* name) const;
    // Removes a folder the walk left empty; a failure is reported and the
    // run goes on.
    void RemoveIfEmpty(const std::string& folder);

    SubFolderOptions options_;
};

}  // namespace shredder
