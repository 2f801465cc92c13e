#pragma once
// The shredding engine: files overwritten in place with every pass of the
// chosen algorithm, truncated, renamed at random and deleted; folders
// walked; the free space of a drive filled and overwritten; the Recycle Bin
// overwritten and emptied. It runs on the caller's thread, reaches the
// progress window through ShredObserver (which pumps messages between
// 64 KB writes) and tells the user through Messenger.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "common/files/folder_list.h"
#include "shredder/algorithms/algorithm.h"
#include "shredder/algorithms/pass_buffer.h"
#include "shredder/core/messenger.h"
#include "shredder/core/protected_folders.h"
#include "shredder/core/shredder_settings.h"
#include "shredder/core/shredder_texts.h"
#include "shredder/core/system_places.h"
#include "shredder/engine/file_target.h"
#include "shredder/engine/shred_observer.h"

namespace shredder {

// Results of the file and folder operations: go on, or stop the current
// folder or list.
constexpr int kGoOn = 0;
constexpr int kStop = 1;
// ShredItem: the drive dialog was cancelled; not a file-system object.
constexpr int kItemCancelled = 1;
constexpr int kItemNotFound = 2;

enum ShredMode {
    kModeOrdinary = 0,  // prompts, name restored when deletion fails
    kModeQuiet = 1,     // inside a walked folder: no prompts
    kModeKeep = 2,      // overwrite and truncate only: no rename, no deletion
};

// The run's switches: a silent run takes the command line's, an interactive
// one the settings.
struct RunSwitches {
    bool silent = false;
    int algorithm = 0;
    int driveOption = -1;
    int folderOption = 0;
    int removeOption = 0;
};

// The whole-drive wipe and its options dialog, reached for a drive root.
class DriveActions {
public:
    virtual ~DriveActions() = default;
    // -1 drive option: the options dialog. False when cancelled; otherwise
    // `freeSpace` tells which wipe was chosen.
    virtual bool ChooseDriveWipe(const std::string& root, const std::string& fileSystem,
                                 bool& freeSpace, bool& formatAfter) = 0;
    virtual int ShredDrive(const std::string& drive, const std::string& displayName,
                           const std::string& fileSystem, bool formatAfter) = 0;
};

// The free-space query of a root: bytes free to this user, and on the disk.
class FreeSpaceQuery {
public:
    virtual ~FreeSpaceQuery() = default;
    virtual bool Query(const std::string& root, uint64_t& userFree, uint64_t& diskFree) = 0;
};

// The shell's Recycle Bin calls (loaded by name from SHELL32).
class RecycleBinApi {
public:
    virtual ~RecycleBinApi() = default;
    virtual bool Available() = 0;
    virtual HRESULT Query(const std::string& root, uint64_t& size, uint64_t& count) = 0;
    virtual HRESULT Empty(const std::string& root) = 0;
};

// One temporary file of the free-space wipe.
struct TempFileRecord {
    HANDLE handle = INVALID_HANDLE_VALUE;
    std::string name;
    uint64_t written = 0;
};

class ShredEngine {
public:
    ShredEngine(const AlgorithmTable& algorithms, PassBuffer& buffer, ShredObserver& observer,
                Messenger& messenger, const ShredderTexts& texts, const ShredderSettings& settings,
                RandomSource& random);

    // What start-up found.
    void SetSwitches(const RunSwitches& switches) { switches_ = switches; }
    const RunSwitches& Switches() const { return switches_; }
    void SetDrives(const DriveTable& drives) { drives_ = drives; }
    const DriveTable& Drives() const { return drives_; }
    void SetProtectedFolders(std::vector<std::string> folders) { protected_.Set(std::move(folders)); }
    void SetUserSid(const std::string& sid) { userSid_ = sid; }
    void SetXpOrMe(bool xpOrMe) { xpOrMe_ = xpOrMe; }
    // Seams: where file writes go, how free space is asked, the bin calls,
    // the drive wipe. Left unset, the system's own.
    void SetTargetFactory(TargetFactory* factory) { targets_ = factory ? factory : &fileTargets_; }
    void SetFreeSpaceQuery(FreeSpaceQuery* query) { freeSpace_ = query; }
    void SetRecycleBinApi(RecycleBinApi* api) { recycleBin_ = api; }
    void SetDriveActions(DriveActions* actions) { driveActions_ = actions; }
    void SetLister(const files::FolderLister* lister) {
        lister_ = lister ? lister : &files::SystemLister();
    }

    // The abort flag: set by Cancel, cleared before a run.
    bool& Abort() { return abort_; }
    void ClearAbort() { abort_ = false; }
    // The user stopped something in this run: Cancel in the progress
    // window or a question, or a drive dialog or warning turned down.
    void NoteCancelled() { cancelled_ = true; }
    bool WasCancelled() const { return cancelled_ || abort_; }

    // The algorithm of this run ("/O" in silent runs, else `Method` now),
    // or nullptr when the index names none; `index` receives it.
    const Algorithm* CurrentAlgorithm(int* index = nullptr) const;
    // Reports that the index names no algorithm.
    void ReportNoAlgorithm(int index);

    int ShredItem(const std::string& path);
    // `shredded` (optional) is set when the folder's contents were walked
    // in this call: not skipped as protected, not refused, not stopped.
    // Only such a folder may be removed afterwards.
    int ShredFolder(const std::string& folder, bool system, int mode, bool* shredded = nullptr);
    int ShredFile(const std::string& path, int mode);
    // Recursive sum of the file sizes (and their count) below a folder.
    uint64_t GetFolderTotals(const std::string& folder, uint64_t* count = nullptr) const;

    int ShredFreeSpace(const std::string& root);
    // 0 the file reached 1 GiB, 1 the disk is full, 2 a write failed, 3 aborted.
    int FillTempFile(TempFileRecord& record);
    int ShredRecycleBin();

    // The overall bar: created with the progress window.
    void SetProgressTotal(uint64_t blocks);
    bool CreateProgressDialog();
    void DestroyProgressDialog();

private:
    class PassTicker;

    bool Interactive() const { return !switches_.silent; }
    std::string Text(const TextRef& ref) const { return texts_.Text(ref); }
    // kGoOn when every pass ran; `result` tells how the passes ended (a
    // failed seek is reported here, a failed write by the caller).
    int RunFilePasses(HANDLE file, const std::string& path, uint64_t size, PassResult& result);
    std::string WriteErrorText(DWORD code) const;
    // Every named stream of the file overwritten with the same passes and
    // cut to nothing; kStop (with `result` saying why) when one was not.
    int ShredNamedStreams(const std::string& path, PassResult& result);
    void RestoreAttributes(const std::string& path, DWORD attributes) const;
    bool RemoveFolderReported(const std::string& folder);
    // Key 9044 filled in: the code and the system's text for it.
    std::string ErrorCodeText(DWORD code) const;
    // A link met as the item itself: removed (not in keep mode), never
    // entered or written through, and said so.
    int RemoveLinkItem(const std::string& path, bool folder, int mode);
    void ReportUnnamed(const std::string& folder, const std::vector<std::string>& unnamed);
    int RemoveSubfolder(const std::string& path, int mode, int removeOption);
    void ReportErrorBox(DWORD code);
    int ShredTempFile(TempFileRecord& record, int number, int count);
    void ReportTempWriteFailed(DWORD error);
    void CleanUpTempFiles(std::vector<TempFileRecord>& records, const std::string& folder);
    int ShredDriveRoot(const std::string& root, char letter);
    int ShredBinFolder(const std::string& folder);

    const AlgorithmTable& algorithms_;
    PassBuffer& buffer_;
    ShredObserver& observer_;
    Messenger& messenger_;
    const ShredderTexts& texts_;
    const ShredderSettings& settings_;
    RandomSource& random_;
    FileTargetFactory fileTargets_;
    TargetFactory* targets_ = &fileTargets_;
    FreeSpaceQuery* freeSpace_ = nullptr;
    RecycleBinApi* recycleBin_ = nullptr;
    DriveActions* driveActions_ = nullptr;
    const files::FolderLister* lister_ = &files::SystemLister();
    RunSwitches switches_;
    DriveTable drives_;
    ProtectedFolders protected_;
    std::string userSid_;
    bool xpOrMe_ = false;
    bool abort_ = false;
    bool cancelled_ = false;
    bool progressOpen_ = false;
    uint64_t progressTotal_ = 0;
};

// The path with every letter of its file name replaced by a random letter:
// the same length, the dots where they were.
std::string RandomSameLengthName(const std::string& path, RandomSource& random);

// The progress line of pass `number` of `count`: "Pass 1 of 3" and what the
// pass writes.
std::string PassLine(const ShredderTexts& texts, int number, int count, const Pass& pass);

// Lifts a folder's read-only mark while it is removed (the system refuses
// to remove a read-only folder); the mark comes back when the folder is
// still there at the end of the scope.
class ReadOnlyLift {
public:
    explicit ReadOnlyLift(const std::string& folder);
    ~ReadOnlyLift();
    ReadOnlyLift(const ReadOnlyLift&) = delete;
    ReadOnlyLift& operator=(const ReadOnlyLift&) = delete;

private:
    std::string folder_;
    DWORD attributes_;
};

// A file's or folder's status: attributes and 64-bit size. False when
// nothing is at `path` (a drive root has no status of its own).
using FileStatusData = WIN32_FIND_DATAA;
bool FileStatus(const std::string& path, FileStatusData& data);

// The file-system text a ShredItem drive root reports ("NTFS", "FAT32").
std::string VolumeFileSystem(const std::string& root, std::string* label = nullptr);

}  // namespace shredder
