#include "shredder/core/shredder_texts.h"

#include <algorithm>

#include "common/lang/lang_file.h"

namespace shredder {

void ShredderTexts::SetLanguage(const std::string& appPath, const std::string& language) {
    file_ = lang::LangFilePath(appPath, lang::kMirrowick.folder, language);
}

std::string ShredderTexts::Text(const char* key, const char* def) const {
    return lang::ReadLangString(file_, lang::kMirrowick, key, def);
}

std::string ShredderTexts::Caption(const char* key, const char* def) const {
    static const lang::LangParams kCaptionParams = {lang::kMirrowick.folder, lang::kMirrowick.section,
                                                    0, 100};
    return lang::ReadLangString(file_, kCaptionParams, key, def);
}

namespace texts {
const TextRef kCaption = {"9606", "Velmora Scourwell"};
const TextRef kAnotherInstance = {
    "9065", "There's an instance running of the program so you can't run another instance."};
const TextRef kMemoryError = {"9006", "Memory allocation error."};
const TextRef kComFailed = {"9007", "COM Library init failed."};
const TextRef kNoKernel = {"9008", "Could not access KERNEL32.DLL"};
const TextRef kNoKernelFunctions = {"9009", "Unable to access required functions in kernel32.dll"};
const TextRef kSidFailed = {"9035", "Could not obtain current user's SID\nError code%u."};
const TextRef kSchedulerMissing = {
    "9060", "Couldn't access Sundrave.dll.\nUnfortunately, The scheduler function couldn't work."};
const TextRef kMenuMissing = {
    "9059",
    "Couldn't access Pellidor.dll.\nUnfortunately, The program won't appeared in the context menu."};
const TextRef kRecycleVerb = {"12000", "Velmora Shred Recycle Bin"};
const TextRef kConfirmOne = {
    "9052",
    "WARNING: Shredded files and folders cannot be recovered.\nAre you sure you want to shred\n%s?"};
const TextRef kConfirmMany = {"9051",
                              "WARNING: Shredded files and folders cannot be recovered.\nAre you "
                              "sure you want to shred these %u items?"};
const TextRef kNotFileSystemObject = {"9053", "Error:\n\"%s\"\nIs not a valid file system object"};
const TextRef kNoSuchAlgorithm = {
    "9090", "The shredding algorithm number %d does not exist.\nNothing has been shredded."};
const TextRef kUnableToAccess = {"9034", "Error: Unable to access\n%s"};
const TextRef kAddAttributes = {"9054",
                                "Warning\n%s\nis marked with the System, Hidden,\nand/or Read-only "
                                "attributes.\n\nAre you sure you want to add it to the current task?"};
const TextRef kSystemFolder = {
    "9040", "Warning:\n%s\nis marked as a System folder.\nAre you sure you want to shred it?"};
const TextRef kInvalidFindHandle = {"9011", "Invalid find handle."};
const TextRef kAllSubfolders = {"9055", "Do you want to shred all sub folders?"};
const TextRef kRemoveSubfolders = {"9056", "Do you want to remove all sub folders after shredding?"};
const TextRef kEnterTaskName = {"9057", "Please, Enter the task name."};
const TextRef kTaskExists = {"9016", "There's a task with this name. Please, Specify another name."};
const TextRef kTaskNameCharacters = {
    "9093", "A task name cannot contain any of these characters:\n\\ / : * ? \" < > |"};
const TextRef kTaskDialogTitle = {"10000", "Velmora Scourwell"};
const TextRef kTaskDialogPrompt = {"10001", "Please Enter the task name"};
const TextRef kTaskDialogOk = {"10002", "OK"};
const TextRef kTaskDialogCancel = {"10003", "Cancel"};
const TextRef kNoProgress = {"9010", "Unable to create progress dialog."};
const TextRef kFileAttributes = {"9036",
                                 "Warning\n%s\nis marked with the System, Hidden,\nand/or "
                                 "Read-only attributes.\n\nAre you sure you want to shred it?"};
const TextRef kNoExclusiveAccess = {
    "9037",
    "Could not obtain exclusive access to\n%s\n\nFiles that are in use by other programs\nor "
    "Windows itself cannot be shredded."};
const TextRef kNotDeleted = {
    "9038",
    "The contents of \n%s\nhave been shredded, but Velmora Scourwell was unable to delete the "
    "file.\nThis could be caused by either a hardware failure or\nan error within the disk's "
    "directory structure.\n\nClick OK (or press Enter) to proceed with remaining files (if "
    "any).\nClick Cancel (or press Esc) to abandon any further processing."};
const TextRef kSkippingFolder = {"9039", "Skipping %s folder."};
const TextRef kShredSubfolder = {"9041", "Shred subfolder:\n%s?"};
const TextRef kRemoveFolder = {"9042", "Remove folder:\n%s?"};
const TextRef kUnableToRemove = {"9043", "Unable to remove folder:\n%s\n\n"};
const TextRef kErrorCode = {"9044", "Error code: %u (%s)."};
const TextRef kWriteFailedKept = {
    "9092",
    "Could not overwrite\n%s\n\nIts contents are partly overwritten; the file has not been "
    "deleted.\nSystem error message: %s"};
const TextRef kWroteNothing = {"9185", "The system reported the write as done but wrote nothing."};
const TextRef kUnnamed = {
    "9190",
    "Skipped:\n%s\nIts name cannot be written in this system's code page and it has no short "
    "name, so it cannot be reached safely. It was not shredded."};
const TextRef kLinkRemoved = {
    "9191",
    "%s\nis a link to another place. Only the link was removed; what it leads to was not "
    "shredded."};
const TextRef kLinkKept = {
    "9195",
    "%s\nis a link to another place. What it leads to was not shredded; the link itself could "
    "not be removed.\n"};
const TextRef kOtherNames = {
    "9192",
    "%s\nhas other names on this drive, and its contents are theirs too. It was not shredded."};
const TextRef kCancelledFile = {
    "9193", "Shredding was cancelled.\n%s\nkeeps its name; its contents are partly overwritten."};
const TextRef kRunCancelled = {"9194", "Shredding was cancelled."};
const TextRef kPassOf = {"9921", "Pass %d of %e"};
const TextRef kPassWriting = {"9922", ": Writing"};
const TextRef kPassRandom = {"9923", ": Write random data."};
const TextRef kPassComplement = {"9924", ": Write complementary to previous pass pattern."};
const TextRef kRestorePoints = {
    "9026",
    "Under Windows XP and Windows ME, this command may cause the System\nRestore feature to discard "
    "all of your existing Restore Points, and\ncreate a new Restore Point after shredding is "
    "complete.\n\nAre you sure you wish to proceed?"};
const TextRef kFreeSpaceWarning = {
    "9027",
    "This function allocates all available free space on the selected drive.\nTherefore, it is "
    "normal for Windows to present a warning prompt\nthat you have run out of disk space while "
    "Shred is working.\n\nDo you want to continue?"};
const TextRef kFreeSpaceTitle = {"9063", "Shred free space warning"};
const TextRef kNoTempFolder = {"9012", "Unable to create temporary folder."};
const TextRef kNoUserSpace = {
    "9045", "There is no free space available on drive %c\nfor the current user account."};
const TextRef kNoDiskSpace = {"9046", "There is no free space available on drive %c"};
const TextRef kQuota = {
    "9033",
    "There is a disk space quota in effect for your account. Velmora Scourwell will only be able "
    "to shred the amount of free space available to your account, not necessarily the entire "
    "disk. Do you wish to proceed anyway?"};
const TextRef kTempFilesFailed = {"9013", "Error creating temporary files."};
const TextRef kWriteFailed = {
    "9047",
    "Write failed due to unexpected error.\r\nSystem error message: %s\r\nSystem error code: 0x"};
const TextRef kFreeSpaceProgress = {"9917", "Shredding free space on drive"};
const TextRef kPreparingFiles = {"9908", "Preparing temporary files."};
const TextRef kMinuteOrTwo = {"9909", "This may take a minute or two."};
const TextRef kTempFileOf = {"9914", "%s temporary file %u of %t."};
const TextRef kShredding = {"9915", "Shredding"};
const TextRef kPreparing = {"9916", "Preparing"};
const TextRef kFileOfCount = {"9919", "%s (%u of %t)"};
const TextRef kDeletingTemp = {"9911", "Deleting temporary files."};
const TextRef kAMoment = {"9912", "This may take a moment."};
const TextRef kNoBinFunctions = {"9014", "Could not access Recycle Bin APIs."};
const TextRef kBinEmpty = {"9015", "The recycle bin is currently empty."};
const TextRef kBinQueryFailed = {"9048", "Call to SHQueryRecycleBin failed.\nError code 0x"};
const TextRef kBinEmptyFailed = {
    "9184", "Call to SHEmptyRecycleBin failed for drive %c:\nIts contents have been shredded "
            "but are still in the Recycle Bin.\nError code 0x"};
const TextRef kBinUntouched = {"9079", "\n\nNone of the Recycle Bin's contents have been modified."};
const TextRef kBinConfirm = {
    "9049",
    "Warning: This will shred all files and folders\ncurrently stored in the Recycle Bin on all "
    "localhard drives.\n\nAre you sure you want to do this?"};
const TextRef kBinAborted = {
    "9050",
    "User abort or fatal error while processing drive %c:\nFiles in recycle bin on previous "
    "drives have been shredded.\nSome or all of the files in recycle bin on drive %c: have "
    "had\ntheir contents shredded and may or may not be useable if restored."};
const TextRef kBinProgress = {"9902", "Shredding Recycle Bin"};
const TextRef kEmptyingBin = {"9913", "Emptying Recycle Bin on drive"};
}  // namespace texts

std::string InstanceMutexName(const std::string& caption) {
    std::string name = caption;
    std::replace(name.begin(), name.end(), '\\', '/');
    return name;
}

}  // namespace shredder
