#include "shredder/core/task_collection.h"

#include <windows.h>

#include "common/files/folder_list.h"
#include "common/suite/scourwell.h"
#include "shredder/core/paths.h"

namespace shredder {

using namespace suite::scourwell;

int TaskCollector::ConfirmAddFile(const std::string& path) { return ConfirmAdd(path, false); }

int TaskCollector::ConfirmAddFolder(const std::string& path) { return ConfirmAdd(path, true); }

int TaskCollector::ConfirmAdd(const std::string& path, bool folderStyle) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        messenger_.Ask(FillIn(texts_.Text(texts::kUnableToAccess), "%s", path),
                       MB_OK | (folderStyle ? MB_ICONERROR : 0));
        return kAddSkip;
    }
    if (!(attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM)))
        return kAddYes;
    const std::string text = FillIn(texts_.Text(texts::kAddAttributes), "%s", path);
    if (folderStyle) {
        return messenger_.Ask(text, MB_OKCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2) == IDOK ? kAddYes
                                                                                          : kAddStop;
    }
    switch (messenger_.Ask(text, MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2)) {
    case IDYES: return kAddYes;
    case IDNO: return kAddSkip;
    default: return kAddStop;
    }
}

int TaskCollector::CollectScheduledFolders(const std::string& folder, bool system) {
    if (system &&
        messenger_.Ask(FillIn(texts_.Text(texts::kSystemFolder), "%s", folder),
                       MB_OKCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2) != IDOK)
        return 1;
    const files::FolderListing listing = files::ListFolder(JoinPath(folder, "*.*"));
    if (!listing.opened) {
        messenger_.Ask(texts_.Text(texts::kInvalidFindHandle), MB_OK | MB_ICONERROR);
        return 1;
    }
    int result = 2;
    bool takeSubfolders = settings_.FolderOption() != 0;
    for (const files::FolderEntry& entry : listing.entries) {
        if (abort_) break;
        // The scheduled walk never enters a link nor writes through one, so
        // nothing behind it is asked for.
        if (entry.isLink) continue;
        const std::string path = JoinPath(folder, entry.name);
        if (!entry.isFolder) {
            if (ConfirmAddFolder(path) == kAddStop) result = 1;
            continue;
        }
        if (!takeSubfolders) continue;
        if (settings_.FolderOption() == 1) {
            switch (messenger_.Ask(texts_.Text(texts::kAllSubfolders), MB_YESNOCANCEL | MB_ICONQUESTION)) {
            case IDNO:
                settings_.WriteDword(kFolderValue, 0);
                takeSubfolders = false;
                break;
            case IDYES: settings_.WriteDword(kFolderValue, 2); break;
            default:
                settings_.WriteDword(kFolderValue, 2);
                result = 1;
            }
            if (!takeSubfolders) continue;
        }
        if (settings_.RemoveOption() == 1) {
            switch (messenger_.Ask(texts_.Text(texts::kRemoveSubfolders), MB_YESNOCANCEL | MB_ICONQUESTION)) {
            case IDNO: settings_.WriteDword(kRemoveValue, 0); break;
            case IDYES: settings_.WriteDword(kRemoveValue, 2); break;
            default:
                settings_.WriteDword(kRemoveValue, 2);
                result = 1;
            }
        }
        const bool subSystem = (entry.attributes & FILE_ATTRIBUTE_SYSTEM) != 0;
        if (CollectScheduledFolders(path, subSystem) == 1) return 1;
    }
    return result;
}

}  // namespace shredder
