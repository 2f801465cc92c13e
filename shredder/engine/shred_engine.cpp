#include "shredder/engine/shred_engine.h"

#include <algorithm>
#include <cctype>
#include <climits>

#include "common/files/folder_list.h"
#include "common/os/os_version.h"
#include "shredder/core/paths.h"
#include "shredder/engine/named_streams.h"

namespace shredder {

namespace {

constexpr DWORD kPromptAttributes =
    FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

uint32_t Clamp32(uint64_t value) {
    return value > 0x7FFFFFFF ? 0x7FFFFFFFu : static_cast<uint32_t>(value);
}

uint64_t FileSize(const FileStatusData& data) {
    return (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
}

// On the NT family a file is opened as itself, never through a link.
DWORD OpenFlags() {
    return FILE_FLAG_WRITE_THROUGH | (IsWindowsNT() ? FILE_FLAG_OPEN_REPARSE_POINT : 0);
}

bool IsLink(DWORD attributes) { return (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0; }

bool IsDeviceName(const std::string& base) {
    std::string upper;
    for (char c : base) upper += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    static const char* const kDevices[] = {"CON", "PRN", "AUX", "NUL", "CLOCK$"};
    for (const char* device : kDevices) {
        if (upper == device) return true;
    }
    return upper.size() == 4 && (upper.compare(0, 3, "COM") == 0 || upper.compare(0, 3, "LPT") == 0) &&
           upper[3] >= '0' && upper[3] <= '9';
}

}  // namespace

// Feeds the pass loop's progress into the observer: the pass line, the
// file's bar, the overall bar and the message pump.
class ShredEngine::PassTicker : public PassProgress {
public:
    PassTicker(ShredEngine& engine, const Algorithm& algorithm)
        : engine_(engine), algorithm_(algorithm) {}

    void PassStarted(int number, int count) override {
        engine_.observer_.SetPassLine(
            PassLine(engine_.texts_, number, count, algorithm_.passes[number - 1]));
        engine_.observer_.SetItemPos(0);
    }
    void BlockDone(uint32_t number) override {
        engine_.observer_.SetItemPos(number);
        engine_.observer_.StepTotal();
    }
    bool ShouldAbort() override {
        if (engine_.observer_.ShouldAbort()) engine_.abort_ = true;
        return engine_.abort_;
    }

private:
    ShredEngine& engine_;
    const Algorithm& algorithm_;
};

std::string PassLine(const ShredderTexts& texts, int number, int count, const Pass& pass) {
    std::string line = FillIn(FillIn(texts.Text(texts::kPassOf), "%d", std::to_string(number)),
                              "%e", std::to_string(count));
    switch (pass.kind) {
    case PassKind::Random: line += texts.Text(texts::kPassRandom); break;
    case PassKind::Pattern: line += texts.Text(texts::kPassWriting) + PatternText(pass.pattern); break;
    case PassKind::Complement: line += texts.Text(texts::kPassComplement); break;
    }
    return line;
}

ShredEngine::ShredEngine(const AlgorithmTable& algorithms, PassBuffer& buffer,
                         ShredObserver& observer, Messenger& messenger, const ShredderTexts& texts,
                         const ShredderSettings& settings, RandomSource& random)
    : algorithms_(algorithms),
      buffer_(buffer),
      observer_(observer),
      messenger_(messenger),
      texts_(texts),
      settings_(settings),
      random_(random) {}

const Algorithm* ShredEngine::CurrentAlgorithm(int* index) const {
    const int chosen = switches_.silent ? switches_.algorithm : settings_.Method();
    if (index) *index = chosen;
    if (chosen < 0 || static_cast<size_t>(chosen) >= algorithms_.size()) return nullptr;
    return &algorithms_[chosen];
}

void ShredEngine::ReportNoAlgorithm(int index) {
    messenger_.Tell(FillIn(Text(texts::kNoSuchAlgorithm), "%d", std::to_string(index)),
                    MB_OK | MB_ICONERROR);
}

void ShredEngine::SetProgressTotal(uint64_t blocks) { progressTotal_ = blocks; }

bool ShredEngine::CreateProgressDialog() {
    if (progressOpen_) return true;
    if (!observer_.OpenProgress()) {
        messenger_.Tell(Text(texts::kNoProgress), MB_OK | MB_ICONERROR);
        return false;
    }
    progressOpen_ = true;
    observer_.SetTotalRange(Clamp32(progressTotal_));
    return true;
}

void ShredEngine::DestroyProgressDialog() {
    if (progressOpen_) observer_.CloseProgress();
    progressOpen_ = false;
    progressTotal_ = 0;
}

void ShredEngine::ReportErrorBox(DWORD code) {
    messenger_.TellTitled(SystemErrorText(code), "Error", MB_OK | MB_ICONERROR);
}

void ShredEngine::RestoreAttributes(const std::string& path, DWORD attributes) const {
    SetFileAttributesA(path.c_str(), attributes);
}

int ShredEngine::ShredItem(const std::string& path) {
    std::string normal;
    if (!WithoutDevicePrefix(path, normal)) return kItemNotFound;
    char letter = 0;
    if (IsDriveRoot(normal, &letter) && !drives_.slots[letter - 'A'].root.empty())
        return ShredDriveRoot(drives_.slots[letter - 'A'].root, letter);
    // The item as written, made full: a short name stays short, so every
    // file call names the file the user chose (its long form may read as
    // another file's name). The protected-folder test resolves on its own.
    const std::string target = FullPath(normal);
    FileStatusData data;
    if (target.empty() || !FileStatus(target, data)) return kItemNotFound;
    if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) return ShredFile(target, kModeOrdinary);
    bool shredded = false;
    const int result = ShredFolder(target, (data.dwFileAttributes & FILE_ATTRIBUTE_SYSTEM) != 0,
                                   kModeOrdinary, &shredded);
    if (result == kGoOn && shredded && files::HoldsNothing(target)) RemoveFolderReported(target);
    return result;
}

int ShredEngine::ShredDriveRoot(const std::string& root, char letter) {
    std::string label;
    const std::string fileSystem = VolumeFileSystem(root, &label);
    if (switches_.driveOption == 0) return ShredFreeSpace(root);
    if (switches_.driveOption != -1) return kGoOn;
    bool freeSpace = false, formatAfter = false;
    if (!driveActions_ || !driveActions_->ChooseDriveWipe(root, fileSystem, freeSpace, formatAfter)) {
        NoteCancelled();
        return kItemCancelled;
    }
    if (freeSpace) return ShredFreeSpace(root);
    return driveActions_->ShredDrive(root.substr(0, 2), DriveDisplayName(label, letter), fileSystem,
                                     formatAfter);
}

namespace {

// The marks SetFileAttributes takes; a folder's own bit is not one of them.
constexpr DWORD kSettableMarks = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN |
                                 FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

void SetMarks(const std::string& path, DWORD marks) {
    SetFileAttributesA(path.c_str(), marks ? marks : FILE_ATTRIBUTE_NORMAL);
}

}  // namespace

ReadOnlyLift::ReadOnlyLift(const std::string& folder)
    : folder_(folder), attributes_(GetFileAttributesA(folder.c_str())) {
    if (attributes_ != INVALID_FILE_ATTRIBUTES && (attributes_ & FILE_ATTRIBUTE_READONLY))
        SetMarks(folder_, attributes_ & kSettableMarks & ~FILE_ATTRIBUTE_READONLY);
}

ReadOnlyLift::~ReadOnlyLift() {
    if (attributes_ == INVALID_FILE_ATTRIBUTES || !(attributes_ & FILE_ATTRIBUTE_READONLY)) return;
    if (GetFileAttributesA(folder_.c_str()) != INVALID_FILE_ATTRIBUTES)
        SetMarks(folder_, attributes_ & kSettableMarks);
}

std::string ShredEngine::ErrorCodeText(DWORD code) const {
    return FillIn(FillIn(Text(texts::kErrorCode), "%u", std::to_string(code)), "%s",
                  SystemErrorText(code));
}

bool ShredEngine::RemoveFolderReported(const std::string& folder) {
    DWORD code = NO_ERROR;
    {
        ReadOnlyLift lift(folder);
        if (RemoveDirectoryA(folder.c_str())) return true;
        code = GetLastError();
    }
    messenger_.Tell(FillIn(Text(texts::kUnableToRemove), "%s", folder) + ErrorCodeText(code),
                    MB_OK | MB_ICONINFORMATION);
    return false;
}

int ShredEngine::RemoveLinkItem(const std::string& path, bool folder, int mode) {
    if (mode == kModeKeep) return kGoOn;
    if (folder ? RemoveDirectoryA(path.c_str()) : DeleteFileA(path.c_str())) {
        messenger_.Tell(FillIn(Text(texts::kLinkRemoved), "%s", path), MB_OK | MB_ICONINFORMATION);
        return kGoOn;
    }
    messenger_.Tell(FillIn(Text(texts::kLinkKept), "%s", path) + ErrorCodeText(GetLastError()),
                    MB_OK | MB_ICONINFORMATION);
    return kGoOn;
}

void ShredEngine::ReportUnnamed(const std::string& folder, const std::vector<std::string>& unnamed) {
    for (const std::string& name : unnamed)
        messenger_.Tell(FillIn(Text(texts::kUnnamed), "%s", JoinPath(folder, name)),
                        MB_OK | MB_ICONWARNING);
}

int ShredEngine::ShredFolder(const std::string& folder, bool system, int mode, bool* shredded) {
    if (shredded) *shredded = false;
    // Walks never enter a link, so only an item can be one: the link goes,
    // what it leads to stays.
    const DWORD own = GetFileAttributesA(folder.c_str());
    if (own != INVALID_FILE_ATTRIBUTES && IsLink(own)) return RemoveLinkItem(folder, true, mode);
    const int subfolderOption = switches_.silent ? switches_.folderOption : settings_.FolderOption();
    const int removeOption = switches_.silent ? switches_.removeOption : settings_.RemoveOption();
    if (mode == kModeOrdinary && protected_.Holds(folder)) {
        messenger_.Tell(FillIn(Text(texts::kSkippingFolder), "%s", folder), MB_OK | MB_ICONINFORMATION);
        return kGoOn;
    }
    if (mode == kModeOrdinary && system && Interactive()) {
        const int answer = messenger_.Ask(FillIn(Text(texts::kSystemFolder), "%s", folder),
                                          MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2);
        if (answer == IDCANCEL) {
            NoteCancelled();
            return kStop;
        }
        if (answer != IDYES) return kGoOn;
    }
    const files::FolderListing listing = lister_->List(JoinPath(folder, "*.*"));
    if (!listing.opened) {
        messenger_.Tell(Text(texts::kInvalidFindHandle), MB_OK | MB_ICONERROR);
        return kStop;
    }
    ReportUnnamed(folder, listing.unnamed);
    for (const files::FolderEntry& entry : listing.entries) {
        if (abort_) return kStop;
        const std::string path = JoinPath(folder, entry.name);
        if (!entry.isFolder && entry.isLink) {
            // A linked file: the link itself goes with its folder (never
            // what it leads to); the Recycle Bin's are the shell's to empty.
            if (mode != kModeKeep) DeleteFileA(path.c_str());
            continue;
        }
        if (!entry.isFolder) {
            if (ShredFile(path, mode != kModeOrdinary ? kModeQuiet : kModeOrdinary) != kGoOn || abort_)
                return kStop;
            continue;
        }
        if (mode == kModeOrdinary && subfolderOption == 0) continue;
        // A junction, mount point or linked folder leads out of the folder
        // chosen: it is never entered, only the link itself may go.
        if (!entry.isLink) {
            if (mode == kModeOrdinary && subfolderOption == 1) {
                const int answer = messenger_.Ask(FillIn(Text(texts::kShredSubfolder), "%s", path),
                                                  MB_YESNOCANCEL | MB_ICONQUESTION);
                if (answer == IDCANCEL) {
                    NoteCancelled();
                    return kStop;
                }
                if (answer != IDYES) continue;
            }
            const bool subSystem = (entry.attributes & FILE_ATTRIBUTE_SYSTEM) != 0;
            bool subShredded = false;
            if (ShredFolder(path, subSystem, mode, &subShredded) != kGoOn) return kStop;
            if (!subShredded) continue;
        }
        if (RemoveSubfolder(path, mode, removeOption) != kGoOn) return kStop;
    }
    if (abort_) return kStop;
    if (shredded) *shredded = true;
    return kGoOn;
}

// A walked subfolder (or a link met in the walk) after its contents: removed
// as the remove option says in an ordinary walk, always in the others.
int ShredEngine::RemoveSubfolder(const std::string& path, int mode, int removeOption) {
    if (mode != kModeOrdinary) {
        ReadOnlyLift lift(path);
        RemoveDirectoryA(path.c_str());
        return kGoOn;
    }
    bool remove = removeOption == 2;
    if (removeOption == 1) {
        const int answer = messenger_.Ask(FillIn(Text(texts::kRemoveFolder), "%s", path),
                                          MB_YESNOCANCEL | MB_ICONQUESTION);
        if (answer == IDCANCEL) {
            NoteCancelled();
            return kStop;
        }
        remove = answer == IDYES;
    }
    if (remove) RemoveFolderReported(path);
    return kGoOn;
}

int ShredEngine::RunFilePasses(HANDLE file, const std::string& path, uint64_t size,
                               PassResult& result) {
    int index = 0;
    const Algorithm* algorithm = CurrentAlgorithm(&index);
    observer_.SetItemRange(Clamp32(size / 65536 + 2));
    observer_.SetItemPos(0);
    std::unique_ptr<BlockTarget> target = targets_->MakeTarget(file, path);
    PassTicker ticker(*this, *algorithm);
    std::vector<Extent> extents;
    if (size > 0) extents.push_back({0, size});
    const uint32_t idle = static_cast<uint32_t>(size / 65536 + 2 - (size + 65535) / 65536);
    result = RunPasses(*algorithm, buffer_, random_, *target, extents, ticker, idle,
                       [] { return static_cast<uint32_t>(GetLastError()); });
    if (result.outcome == PassOutcome::Done) return kGoOn;
    if (result.outcome == PassOutcome::SeekFailed) ReportErrorBox(result.error);
    return kStop;
}

std::string ShredEngine::WriteErrorText(DWORD code) const {
    // A write the system called a success that put nothing down has no
    // error text of its own ("The operation completed successfully").
    return code == NO_ERROR ? Text(texts::kWroteNothing) : SystemErrorText(code);
}

std::string RandomSameLengthName(const std::string& path, RandomSource& random) {
    const size_t slash = path.find_last_of('\\');
    const size_t start = slash == std::string::npos ? 0 : slash + 1;
    std::string name = path.substr(start);
    for (char& c : name) {
        if (c == '.') continue;
        unsigned char drawn;
        do {
            drawn = static_cast<unsigned char>(random.Next() & 0xFF);
        } while (!((drawn >= 'a' && drawn <= 'z') || (drawn >= 'A' && drawn <= 'Z')));
        c = static_cast<char>(drawn);
    }
    // Only the last dot separates the extension: the letters above keep
    // every dot of the base as it was, so the length and layout stay.
    return path.substr(0, start) + name;
}

int ShredEngine::ShredFile(const std::string& path, int mode) {
    random_.Reseed();
    int index = 0;
    if (!CurrentAlgorithm(&index)) {
        ReportNoAlgorithm(index);
        return kStop;
    }
    if (!CreateProgressDialog()) return kStop;
    observer_.SetFileLine(path);
    FileStatusData data;
    if (!FileStatus(path, data)) {
        messenger_.Tell(FillIn(Text(texts::kUnableToAccess), "%s", path), MB_OK | MB_ICONERROR);
        return kGoOn;
    }
    const DWORD attributes = data.dwFileAttributes;
    if (IsLink(attributes)) return RemoveLinkItem(path, false, mode);
    if (mode == kModeOrdinary && (attributes & kPromptAttributes) && Interactive()) {
        const int answer = messenger_.Ask(FillIn(Text(texts::kFileAttributes), "%s", path),
                                          MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON2);
        if (answer == IDCANCEL) {
            NoteCancelled();
            return kStop;
        }
        if (answer != IDYES) return kGoOn;
    }
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE,
                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              OpenFlags(), nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        RestoreAttributes(path, attributes);
        messenger_.Tell(FillIn(Text(texts::kNoExclusiveAccess), "%s", path), MB_OK | MB_ICONERROR);
        return mode == kModeOrdinary ? kGoOn : kStop;
    }
    OwnedFile owner(file);
    // What was opened, as the system sees it now: a link made since the
    // listing is still only a link, and a file with further names (hard
    // links) shares its contents with them, so neither is overwritten.
    BY_HANDLE_FILE_INFORMATION opened;
    if (GetFileInformationByHandle(file, &opened)) {
        if (IsLink(opened.dwFileAttributes)) {
            owner.Close();
            return RemoveLinkItem(path, false, mode);
        }
        if (opened.nNumberOfLinks > 1) {
            owner.Close();
            RestoreAttributes(path, attributes);
            messenger_.Tell(FillIn(Text(texts::kOtherNames), "%s", path), MB_OK | MB_ICONWARNING);
            return kGoOn;
        }
    }
    // The size of the file as it is now: the directory entry may lag behind
    // what another program appended.
    uint64_t size = 0;
    if (!OpenFileSize(file, size)) size = FileSize(data);
    PassResult passes;
    int overwritten = RunFilePasses(file, path, size, passes);
    if (overwritten == kGoOn) overwritten = ShredNamedStreams(path, passes);
    if (overwritten != kGoOn) {
        // Cancelled or failed: the file keeps its name and attributes, its
        // contents partly overwritten.
        owner.Close();
        RestoreAttributes(path, attributes);
        if (passes.outcome == PassOutcome::WriteFailed)
            messenger_.Tell(FillIn(FillIn(Text(texts::kWriteFailedKept), "%s", path), "%s",
                                   WriteErrorText(passes.error)),
                            MB_OK | MB_ICONERROR);
        if (passes.outcome == PassOutcome::Aborted && mode != kModeKeep)
            messenger_.Tell(FillIn(Text(texts::kCancelledFile), "%s", path), MB_OK | MB_ICONWARNING);
        return passes.outcome != PassOutcome::Aborted && mode == kModeOrdinary ? kGoOn : kStop;
    }
    if (!SeekFile(file, 0) || !SetEndOfFile(file)) {
        const DWORD code = GetLastError();
        owner.Close();
        RestoreAttributes(path, attributes);
        ReportErrorBox(code);
        return kStop;
    }
    owner.Close();
    if (mode == kModeKeep) {
        RestoreAttributes(path, attributes);
        return abort_ ? kStop : kGoOn;
    }
    std::string current = path;
    for (int attempt = 0; attempt < 32; ++attempt) {
        const std::string candidate = RandomSameLengthName(path, random_);
        const std::string name = candidate.substr(candidate.find_last_of('\\') + 1);
        const std::string base = name.substr(0, name.find('.'));
        if (IsDeviceName(base) || GetFileAttributesA(candidate.c_str()) != INVALID_FILE_ATTRIBUTES)
            continue;
        if (MoveFileA(path.c_str(), candidate.c_str())) current = candidate;
        break;
    }
    if (!DeleteFileA(current.c_str()) && mode == kModeOrdinary) {
        if (current != path) MoveFileA(current.c_str(), path.c_str());
        const int answer = messenger_.Tell(FillIn(Text(texts::kNotDeleted), "%s", path),
                                           MB_OKCANCEL | MB_ICONERROR);
        if (answer == IDCANCEL) {
            NoteCancelled();
            return kStop;
        }
    }
    return abort_ ? kStop : kGoOn;
}

int ShredEngine::ShredNamedStreams(const std::string& path, PassResult& result) {
    for (const NamedStream& stream : ListNamedStreams(path)) {
        const std::string streamPath = path + stream.name;
        OwnedFile file(CreateFileA(streamPath.c_str(), GENERIC_READ | GENERIC_WRITE,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                   OpenFlags(), nullptr));
        if (file.get() == INVALID_HANDLE_VALUE) {
            result.outcome = PassOutcome::WriteFailed;
            result.error = GetLastError();
            return kStop;
        }
        if (RunFilePasses(file.get(), streamPath, stream.size, result) != kGoOn) return kStop;
        if (!SeekFile(file.get(), 0) || !SetEndOfFile(file.get())) {
            result.outcome = PassOutcome::WriteFailed;
            result.error = GetLastError();
            return kStop;
        }
    }
    return kGoOn;
}

uint64_t ShredEngine::GetFolderTotals(const std::string& folder, uint64_t* count) const {
    uint64_t total = 0;
    for (const files::FolderEntry& entry : lister_->List(JoinPath(folder, "*.*")).entries) {
        // What a link leads to is not shredded, so it counts nothing.
        if (entry.isLink) continue;
        if (entry.isFolder) {
            total += GetFolderTotals(JoinPath(folder, entry.name), count);
        } else {
            total += entry.size;
            if (count) ++*count;
        }
    }
    return total;
}

bool FileStatus(const std::string& path, FileStatusData& data) {
    // The search call answers on every system (the attribute query with
    // sizes does not exist on the oldest); wildcards never name one file.
    if (path.find_first_of("*?") != std::string::npos) return false;
    HANDLE find = FindFirstFileA(path.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return false;
    FindClose(find);
    return true;
}

std::string VolumeFileSystem(const std::string& root, std::string* label) {
    char name[MAX_PATH] = {}, fileSystem[MAX_PATH] = {};
    GetVolumeInformationA(root.c_str(), name, MAX_PATH, nullptr, nullptr, nullptr, fileSystem,
                          MAX_PATH);
    if (label) *label = name;
    return fileSystem;
}

}  // namespace shredder
