// The Recycle Bin wipe: every fixed drive's bin overwritten in place (the
// shell's index "INFO2" and "desktop.ini" left alone), then emptied by the
// shell so its own records stay consistent, and "desktop.ini" written anew.
#include "shredder/engine/recycle_bin.h"

#include <cstdio>

#include "common/files/folder_list.h"
#include "shredder/core/paths.h"

namespace shredder {

namespace {

const char kDesktopIni[] =
    "[.ShellClassInfo]\r\nCLSID={645FF040-5081-101B-9F08-00AA002F954E}\r\n";

std::string HexCode(HRESULT result) {
    char code[16];
    std::snprintf(code, sizeof code, " %08X", static_cast<unsigned>(result));
    return code;
}

// The bin's own desktop.ini, written anew; one the shell marked hidden or
// system keeps its marks (the system refuses to replace such a file
// under plain attributes).
void WriteDesktopIni(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    {
        OwnedFile ini(CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
        if (ini.get() != INVALID_HANDLE_VALUE) {
            DWORD written = 0;
            WriteFile(ini.get(), kDesktopIni, sizeof kDesktopIni - 1, &written, nullptr);
        }
    }
    if (attributes != INVALID_FILE_ATTRIBUTES) SetFileAttributesA(path.c_str(), attributes);
}

}  // namespace

const char* DesktopIniText() { return kDesktopIni; }

ShellRecycleBin::ShellRecycleBin() {
    shell_ = LoadLibraryA("SHELL32.DLL");
    if (!shell_) return;
    query_ = reinterpret_cast<QueryFn>(
        reinterpret_cast<void*>(GetProcAddress(shell_, "SHQueryRecycleBinA")));
    empty_ = reinterpret_cast<EmptyFn>(
        reinterpret_cast<void*>(GetProcAddress(shell_, "SHEmptyRecycleBinA")));
}

ShellRecycleBin::~ShellRecycleBin() {
    if (shell_) FreeLibrary(shell_);
}

bool ShellRecycleBin::Available() { return query_ && empty_; }

HRESULT ShellRecycleBin::Query(const std::string& root, uint64_t& size, uint64_t& count) {
    SHQUERYRBINFO info = {};
    info.cbSize = sizeof info;
    HRESULT result = query_(root.c_str(), &info);
    size = static_cast<uint64_t>(info.i64Size);
    count = static_cast<uint64_t>(info.i64NumItems);
    return result;
}

HRESULT ShellRecycleBin::Empty(const std::string& root) {
    return empty_(nullptr, root.c_str(), SHERB_NOCONFIRMATION | SHERB_NOPROGRESSUI | SHERB_NOSOUND);
}

std::string BinFolder(const DriveSlot& drive, const std::string& userSid) {
    if (drive.ntfs) return drive.root + "Recycler\\" + userSid + "\\";
    return drive.root + "RECYCLED\\";
}

int ShredEngine::ShredRecycleBin() {
    ShellRecycleBin shell;
    RecycleBinApi& api = recycleBin_ ? *recycleBin_ : shell;
    if (!api.Available()) {
        messenger_.Tell(Text(texts::kNoBinFunctions), MB_OK | MB_ICONERROR);
        return kStop;
    }
    int index = 0;
    const Algorithm* algorithm = CurrentAlgorithm(&index);
    if (!algorithm) {
        ReportNoAlgorithm(index);
        return kStop;
    }
    abort_ = false;
    uint64_t total = 0;
    uint64_t sizes[26] = {};
    for (int i = 0; i < 26; ++i) {
        if (drives_.slots[i].root.empty()) continue;
        uint64_t count = 0;
        const HRESULT result = api.Query(drives_.slots[i].root, sizes[i], count);
        if (FAILED(result)) {
            messenger_.Tell(Text(texts::kBinQueryFailed) + HexCode(result) + Text(texts::kBinUntouched),
                            MB_OK | MB_ICONERROR);
            return kStop;
        }
        total += sizes[i];
    }
    SetProgressTotal(((total * algorithm->passes.size()) >> 16) + 1);
    if (total == 0) {
        messenger_.Tell(Text(texts::kBinEmpty), MB_OK | MB_ICONINFORMATION);
        SetProgressTotal(0);
        return kGoOn;
    }
    if (Interactive() &&
        messenger_.Ask(Text(texts::kBinConfirm), MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES)
        return kGoOn;
    if (!CreateProgressDialog()) return kStop;
    observer_.SetTitle(Text(texts::kBinProgress));
    for (int i = 0; i < 26 && !abort_; ++i) {
        const DriveSlot& drive = drives_.slots[i];
        if (drive.root.empty() || sizes[i] == 0) continue;
        const std::string folder = BinFolder(drive, userSid_);
        if (ShredBinFolder(folder) != kGoOn) continue;
        const std::string letter(1, drive.root[0]);
        if (abort_) {
            messenger_.Tell(FillIn(FillIn(Text(texts::kBinAborted), "%c", letter), "%c", letter),
                            MB_OK | MB_ICONINFORMATION);
            break;
        }
        observer_.SetFileLine(Text(texts::kEmptyingBin) + " " + letter);
        observer_.SetPassLine(std::string());
        observer_.SetItemPos(0);
        const HRESULT emptied = api.Empty(drive.root);
        if (FAILED(emptied)) {
            messenger_.Tell(FillIn(Text(texts::kBinEmptyFailed), "%c", letter) + HexCode(emptied),
                            MB_OK | MB_ICONERROR);
            continue;
        }
        WriteDesktopIni(JoinPath(folder, "desktop.ini"));
    }
    DestroyProgressDialog();
    return abort_ ? kStop : kGoOn;
}

// Overwrites one bin's contents in place; kStop when the bin cannot be
// listed (reported; the next drive follows).
int ShredEngine::ShredBinFolder(const std::string& folder) {
    const files::FolderListing listing = lister_->List(JoinPath(folder, "*.*"));
    if (!listing.opened) {
        messenger_.Tell(FillIn(Text(texts::kUnableToAccess), "%s", folder), MB_OK | MB_ICONINFORMATION);
        return kStop;
    }
    ReportUnnamed(folder, listing.unnamed);
    for (const files::FolderEntry& entry : listing.entries) {
        if (abort_) break;
        // A link leads out of the bin: left for the shell, never entered
        // or written through.
        if (entry.isLink) continue;
        const std::string path = JoinPath(folder, entry.name);
        if (entry.isFolder) {
            if (ShredFolder(path, false, kModeKeep) != kGoOn) abort_ = true;
            continue;
        }
        if (lstrcmpiA(entry.name.c_str(), "INFO2") == 0 ||
            lstrcmpiA(entry.name.c_str(), "desktop.ini") == 0)
            continue;
        if (ShredFile(path, kModeKeep) != kGoOn) abort_ = true;
    }
    return kGoOn;
}

}  // namespace shredder
