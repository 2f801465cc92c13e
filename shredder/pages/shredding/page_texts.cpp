#include "shredder/pages/shredding/page_texts.h"

namespace shredder {
namespace shred_page_texts {
const TextRef kWarningTitle = {"9064", "WARNING!"};
const TextRef kFilesOnly = {"9017", "Sorry, You can drag files only in the files list box."};
const TextRef kNoSelectedFile = {
    "9018", "There isn't any selected files to be removed from the list, Please select a file first."};
const TextRef kNoFilesToRemove = {"9068", "There's not any files in the list box."};
const TextRef kRemoveAllFiles = {"9066", "Are you sure you want to remove all files in the list box?"};
const TextRef kNoFilesToShred = {
    "9021", "There isn't any files to be shredded. Please, Specify the files first."};
const TextRef kConfirmShredFiles = {
    "9032", "Shredded files cannot be recovered! Are you sure you want to do this?"};
const TextRef kNoFilesToSchedule = {
    "9019", "There isn't any files to be scheduled. Please, Specify the files first."};
const TextRef kFoldersOnly = {"9024", "Sorry, You can drag folders only in the folders list box."};
const TextRef kNoSelectedFolder = {
    "9025",
    "There isn't any selected folders to be removed from the list, Please select a folder first."};
const TextRef kNoFoldersToRemove = {"9069", "There's not any folders in the list box."};
const TextRef kRemoveAllFolders = {"9067",
                                   "Are you sure you want to remove all folders in the list box?"};
const TextRef kNoFoldersToShred = {
    "9022", "There isn't any folders to be shredded. Please, Specify the folders first."};
const TextRef kConfirmShredFolders = {
    "9023", "Shredded files and folders cannot be recovered! Are you sure you want to do this?"};
const TextRef kNoFoldersToSchedule = {
    "9030", "There isn't any folders to be scheduled. Please, Specify the folders first."};
const TextRef kDriveNotFolder = {
    "9087",
    "You select a drive not a folder.\nIf you want to shred a drive go to Shred Drive page."};
const TextRef kBinConflict = {
    "9062",
    "Warning: This function may conflict with other software that is designed to \"protect\" or "
    "\"preserve\" the contents of your Recycle Bin. If you have such software installed on your "
    "system, this function may not work properly and/or have undesireable side-effects."};
const TextRef kOldShell = {
    "11000",
    "Your system's copy of SHELL32.DLL is version 4.70 or older. As a result, the Shred recycle bin "
    "command will be unavailable. You can remedy this situation by installing Internet Explorer 4.0 "
    "or later on your system."};
const TextRef kDontShowAgain = {"11001", "&Don't show me this again."};
const TextRef kAlertOk = {"11002", "OK"};
}  // namespace shred_page_texts
}  // namespace shredder
