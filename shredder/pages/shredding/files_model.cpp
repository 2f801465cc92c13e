#include "shredder/pages/shredding/files_model.h"

#include "common/suite/scourwell.h"
#include "shredder/pages/shredding/page_texts.h"

namespace shredder {

using namespace shred_page_texts;

FilesPageModel::FilesPageModel(ShredPageContext& context)
    : ShredListModel(context, {kFilesOnly, kNoSelectedFile, kNoFilesToRemove, kRemoveAllFiles,
                               kNoFilesToShred, kConfirmShredFiles, kNoFilesToSchedule}) {}

void FilesPageModel::OnBrowse(const std::vector<std::string>& files) {
    for (const std::string& file : files) AddChosen(file);
}

uint64_t FilesPageModel::RowBytes(const PathRow& row) {
    FileStatusData data;
    if (!FileStatus(row.path, data)) return 0;
    return (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

int FilesPageModel::ShredRow(const PathRow& row) {
    FileStatusData data;
    if (!FileStatus(row.path, data)) return ReportInaccessible(row.path);
    return context_.engine.ShredFile(row.path, kModeOrdinary);
}

int FilesPageModel::ConfirmForTask(const PathRow& row) {
    return context_.collector.ConfirmAddFile(row.path);
}

std::string FilesPageModel::TaskLine(const std::string& taskName,
                                     const std::vector<std::string>& paths) const {
    return suite::scourwell::FileTaskLine(taskName, context_.settings.Method(), paths);
}

}  // namespace shredder
