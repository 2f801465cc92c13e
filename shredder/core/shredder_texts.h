#pragma once
// The shredder's texts: each a language-file key with its English default,
// looked up in <AppPath>\Lang\<Language>.ini ("#" becomes a line break).
#include <string>

#include "common/lang/text_source.h"

namespace shredder {

struct TextRef {
    const char* key;
    const char* def;
};

class ShredderTexts : public lang::TextSource {
public:
    void SetLanguage(const std::string& appPath, const std::string& language);
    // GetLangString: the text of `key`, `def` when the file lacks it.
    std::string Text(const char* key, const char* def) const override;
    std::string Text(const TextRef& ref) const { return Text(ref.key, ref.def); }
    // A window caption or tab: cut to 99 characters, "#" kept.
    std::string Caption(const char* key, const char* def) const;
    const std::string& File() const { return file_; }

private:
    std::string file_;
};

// The single-instance mutex's name for a caption: a backslash, which would
// make the name a path the system refuses (every start then looking like a
// second one), becomes "/"; other captions keep their name as it was.
std::string InstanceMutexName(const std::string& caption);

namespace texts {
// Start-up and command line.
extern const TextRef kCaption;             // 9606
extern const TextRef kAnotherInstance;     // 9065
extern const TextRef kMemoryError;         // 9006
extern const TextRef kComFailed;           // 9007
extern const TextRef kNoKernel;            // 9008
extern const TextRef kNoKernelFunctions;   // 9009
extern const TextRef kSidFailed;           // 9035
extern const TextRef kSchedulerMissing;    // 9060
extern const TextRef kMenuMissing;         // 9059
extern const TextRef kRecycleVerb;         // 12000
extern const TextRef kConfirmOne;          // 9052
extern const TextRef kConfirmMany;         // 9051
extern const TextRef kNotFileSystemObject; // 9053
extern const TextRef kNoSuchAlgorithm;     // 9090
// Tasks.
extern const TextRef kUnableToAccess;      // 9034
extern const TextRef kAddAttributes;       // 9054
extern const TextRef kSystemFolder;        // 9040
extern const TextRef kInvalidFindHandle;   // 9011
extern const TextRef kAllSubfolders;       // 9055
extern const TextRef kRemoveSubfolders;    // 9056
extern const TextRef kEnterTaskName;       // 9057
extern const TextRef kTaskExists;          // 9016
extern const TextRef kTaskNameCharacters;  // 9093
extern const TextRef kTaskDialogTitle;     // 10000
extern const TextRef kTaskDialogPrompt;    // 10001
extern const TextRef kTaskDialogOk;        // 10002
extern const TextRef kTaskDialogCancel;    // 10003
// Engine.
extern const TextRef kNoProgress;          // 9010
extern const TextRef kFileAttributes;      // 9036
extern const TextRef kNoExclusiveAccess;   // 9037
extern const TextRef kNotDeleted;          // 9038
extern const TextRef kSkippingFolder;      // 9039
extern const TextRef kShredSubfolder;      // 9041
extern const TextRef kRemoveFolder;        // 9042
extern const TextRef kUnableToRemove;      // 9043
extern const TextRef kErrorCode;           // 9044
extern const TextRef kWriteFailedKept;     // 9092
extern const TextRef kWroteNothing;        // 9185
extern const TextRef kUnnamed;             // 9190
extern const TextRef kLinkRemoved;         // 9191
extern const TextRef kLinkKept;            // 9195
extern const TextRef kOtherNames;          // 9192
extern const TextRef kCancelledFile;       // 9193
extern const TextRef kRunCancelled;        // 9194
extern const TextRef kPassOf;              // 9921
extern const TextRef kPassWriting;         // 9922
extern const TextRef kPassRandom;          // 9923
extern const TextRef kPassComplement;      // 9924
// Free space.
extern const TextRef kRestorePoints;       // 9026
extern const TextRef kFreeSpaceWarning;    // 9027
extern const TextRef kFreeSpaceTitle;      // 9063
extern const TextRef kNoTempFolder;        // 9012
extern const TextRef kNoUserSpace;         // 9045
extern const TextRef kNoDiskSpace;         // 9046
extern const TextRef kQuota;               // 9033
extern const TextRef kTempFilesFailed;     // 9013
extern const TextRef kWriteFailed;         // 9047
extern const TextRef kFreeSpaceProgress;   // 9917
extern const TextRef kPreparingFiles;      // 9908
extern const TextRef kMinuteOrTwo;         // 9909
extern const TextRef kTempFileOf;          // 9914
extern const TextRef kShredding;           // 9915
extern const TextRef kPreparing;           // 9916
extern const TextRef kFileOfCount;         // 9919
extern const TextRef kDeletingTemp;        // 9911
extern const TextRef kAMoment;             // 9912
// Recycle Bin.
extern const TextRef kNoBinFunctions;      // 9014
extern const TextRef kBinEmpty;            // 9015
extern const TextRef kBinQueryFailed;      // 9048
extern const TextRef kBinUntouched;        // 9079
extern const TextRef kBinEmptyFailed;      // 9184
extern const TextRef kBinConfirm;          // 9049
extern const TextRef kBinAborted;          // 9050
extern const TextRef kBinProgress;         // 9902
extern const TextRef kEmptyingBin;         // 9913
}  // namespace texts

}  // namespace shredder
