#include "shredder/pages/shredding/folders_model.h"

#include <direct.h>

#include <cerrno>
#include <cstring>

#include "common/files/folder_list.h"
#include "common/suite/scourwell.h"
#include "shredder/core/paths.h"
#include "shredder/pages/shredding/page_texts.h"

namespace shredder {

using namespace shred_page_texts;
using suite::scourwell::kFolderValue;
using suite::scourwell::kRemoveValue;

FoldersPageModel::FoldersPageModel(ShredPageContext& context)
    : ShredListModel(context, {kFoldersOnly, kNoSelectedFolder, kNoFoldersToRemove,
                               kRemoveAllFolders, kNoFoldersToShred, kConfirmShredFolders,
                               kNoFoldersToSchedule}) {}

int FoldersPageModel::ReadChoice(const char* name) const {
    const DWORD value = context_.settings.ReadDword(name, kChoiceNever);
    if (ValidChoice(value)) return static_cast<int>(value);
    context_.settings.WriteDword(name, kChoiceNever);
    return kChoiceNever;
}

void FoldersPageModel::OnInitDialog() {
    options_.folder = ReadChoice(kFolderValue);
    options_.remove = ReadChoice(kRemoveValue);
}

void FoldersPageModel::OnBrowse(const std::string& folder) {
    if (folder.empty()) return;
    for (const DriveSlot& slot : context_.engine.Drives().slots) {
        if (!slot.root.empty() && SamePath(slot.root, folder)) {
            Tell(kDriveNotFolder, MB_OK | MB_ICONSTOP);
            return;
        }
    }
    AddChosen(folder);
}

void FoldersPageModel::OnSubFolderOptions(SubFolderOptionsPrompt& prompt) {
    const SubFolderOptions before{ReadChoice(kFolderValue), ReadChoice(kRemoveValue)};
    SubFolderOptions chosen = before;
    if (!prompt.EditSubFolderOptions(chosen)) return;
    options_ = chosen;
    if (chosen.folder != before.folder) context_.settings.WriteDword(kFolderValue, chosen.folder);
    if (chosen.remove != before.remove) context_.settings.WriteDword(kRemoveValue, chosen.remove);
}

uint64_t FoldersPageModel::RowBytes(const PathRow& row) {
    return context_.engine.GetFolderTotals(row.path);
}

int FoldersPageModel::ShredRow(const PathRow& row) {
    const DWORD attributes = GetFileAttributesA(row.path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_DIRECTORY))
        return ReportInaccessible(row.path);
    // A stopped walk (Cancel in a question or the progress window) leaves
    // the folder where it is.
    const bool system = (attributes & FILE_ATTRIBUTE_SYSTEM) != 0;
    bool shredded = false;
    if (context_.engine.ShredFolder(row.path, system, kModeOrdinary, &shredded) != kGoOn) return kStop;
    // Only a folder whose contents were shredded goes (not a protected one,
    // nor one the user kept); a drive's root cannot be removed.
    if (shredded && !IsDriveRoot(row.path)) RemoveIfEmpty(row.path);
    return kGoOn;
}

void FoldersPageModel::RemoveIfEmpty(const std::string& folder) {
    if (!files::HoldsNothing(folder)) return;
    // The message names the run-time library's error, as the removal is its.
    int code = 0;
    {
        ReadOnlyLift lift(folder);
        if (_rmdir(folder.c_str()) == 0) return;
        code = errno;
    }
    const ShredderTexts& texts = context_.texts;
    std::string text = FillIn(texts.Text(texts::kUnableToRemove), "%s", folder);
    text += FillIn(FillIn(texts.Text(texts::kErrorCode), "%u", std::to_string(code)), "%s",
                   strerror(code));
    context_.messenger.Tell(text, MB_OK | MB_ICONINFORMATION);
}

int FoldersPageModel::ConfirmForTask(const PathRow& row) {
    const DWORD attributes = GetFileAttributesA(row.path.c_str());
    const bool system =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_SYSTEM) != 0;
    return context_.collector.CollectScheduledFolders(row.path, system);
}

std::string FoldersPageModel::TaskLine(const std::string& taskName,
                                       const std::vector<std::string>& paths) const {
    // The options as the questions on the way left them.
    const ShredderSettings& settings = context_.settings;
    return suite::scourwell::FolderTaskLine(taskName, settings.Method(), settings.FolderOption(),
                                            settings.RemoveOption(), paths);
}

}  // namespace shredder
