#pragma once
// The language texts of the Shred Files, Shred Folders and Recycle Bin pages
// and of their two dialogs: each a key of the shredder's language file with
// its English default.
#include "shredder/core/shredder_texts.h"

namespace shredder {
namespace shred_page_texts {
// Messages of the list pages.
extern const TextRef kWarningTitle;          // 9064
extern const TextRef kFilesOnly;             // 9017
extern const TextRef kNoSelectedFile;        // 9018
extern const TextRef kNoFilesToRemove;       // 9068
extern const TextRef kRemoveAllFiles;        // 9066
extern const TextRef kNoFilesToShred;        // 9021
extern const TextRef kConfirmShredFiles;     // 9032
extern const TextRef kNoFilesToSchedule;     // 9019
extern const TextRef kFoldersOnly;           // 9024
extern const TextRef kNoSelectedFolder;      // 9025
extern const TextRef kNoFoldersToRemove;     // 9069
extern const TextRef kRemoveAllFolders;      // 9067
extern const TextRef kNoFoldersToShred;      // 9022
extern const TextRef kConfirmShredFolders;   // 9023
extern const TextRef kNoFoldersToSchedule;   // 9030
extern const TextRef kDriveNotFolder;        // 9087
// The alert dialog.
extern const TextRef kBinConflict;           // 9062
extern const TextRef kOldShell;              // 11000
extern const TextRef kDontShowAgain;         // 11001
extern const TextRef kAlertOk;               // 11002
}  // namespace shred_page_texts
}  // namespace shredder
