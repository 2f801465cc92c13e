#pragma once
// The Shred Files page without its window: files gathered in one list,
// shredded one by one in list order or handed to a scheduled task.
#include "shredder/pages/shredding/shred_list_model.h"

namespace shredder {

class FilesPageModel : public ShredListModel {
public:
    explicit FilesPageModel(ShredPageContext& context);

    // The files chosen in the open-file dialog.
    void OnBrowse(const std::vector<std::string>& files);

private:
    bool TakesFolders() const override { return false; }
    uint64_t RowBytes(const PathRow& row) override;
    int ShredRow(const PathRow& row) override;
    int ConfirmForTask(const PathRow& row) override;
    std::string TaskLine(const std::string& taskName,
                         const std::vector<std::string>& paths) const override;
};

}  // namespace shredder
