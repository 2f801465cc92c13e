#include "shredder/shredder_app.h"

#include <shlobj.h>

#include "common/os/os_version.h"
#include "shredder/algorithms/custom_algorithms.h"
#include "shredder/core/command_reader.h"
#include "shredder/core/paths.h"
#include "shredder/core/sid_text.h"
#include "shredder/core/system_places.h"
#include "shredder/task_name_dlg.h"

namespace shredder {

using namespace suite::scourwell;

CShredderApp::CShredderApp(MainWindowFactory makeWindow, OldShellNotice oldShellNotice)
    : makeWindow_(makeWindow),
      oldShellNotice_(oldShellNotice),
      messenger_(prompt_, log_),
      progress_(texts_, *this),
      engine_(algorithms_, buffer_, progress_, messenger_, texts_, settings_, random_),
      driveActions_(engine_, progress_, messenger_, texts_, buffer_, random_, driveEnvironment_),
      collector_(messenger_, texts_, settings_, engine_.Abort()) {
    engine_.SetDriveActions(&driveActions_);
}

CShredderApp::~CShredderApp() = default;

void CShredderApp::LoadAlgorithms() {
    algorithms_.clear();
    AddBuiltInAlgorithms(algorithms_);
    LoadCustomAlgorithms(algorithms_);
}

bool CShredderApp::InitInstance() {
    EnableControlContainer();
    SetDialogColors(RGB(77, 115, 148), RGB(0, 0, 0));
    LoadAlgorithms();
    command_ = ReadShredCommand(CommandLine());
    const bool commandLineRun = !command_.items.empty() || !command_.unnamedItems.empty();
    if (commandLineRun) {
        appPath_ = settings_.ReadString(kAppPathValue, std::string());
    } else {
        appPath_ = settings_.ReadString(kAppPathValue, "Empty");
        if (appPath_ == "Empty") {
            // The folder this program runs from, whatever folder a shortcut
            // started it in: the log, the language files and the context
            // menu's program are bound to it for good.
            appPath_ = ProgramFolder();
            settings_.WriteString(kAppPathValue, appPath_);
        }
    }
    texts_.SetLanguage(appPath_, settings_.Language());
    log_.SetFolder(appPath_);
    if (command_.hasTaskName) log_.WriteTaskName(command_.taskName);
    messenger_.SetSilent(command_.silent);
    messenger_.SetCaption(texts_.Text(texts::kCaption));
    SetCaption(messenger_.Caption());
    if (!commandLineRun && !mutex_.Take(InstanceMutexName(messenger_.Caption()))) {
        messenger_.Ask(texts_.Text(texts::kAnotherInstance), MB_OK | MB_ICONINFORMATION);
        ExitProcess(0);
    }
    if (FAILED(CoInitialize(nullptr))) {
        messenger_.Ask(texts_.Text(texts::kComFailed), MB_OK | MB_ICONERROR);
        ExitProcess(1);
    }
    comStarted_ = true;
    engine_.SetProtectedFolders(BuildProtectedFolderList());
    CheckSchedulerLibrary();
    recycleBinSupported_ = CheckRecycleBinSupport();
    // A silent run has no one to read it.
    if (!recycleBinSupported_ && oldShellNotice_ != nullptr && !command_.silent &&
        settings_.ReadDword(suite::scourwell::kAlertDisabledValue, 0) == 0 &&
        oldShellNotice_(texts_)) {
        settings_.WriteDword(suite::scourwell::kAlertDisabledValue, 1);
    }
    const DriveTable drives = EnumerateDrives();
    engine_.SetDrives(drives);
    COsVersion os;
    const bool nt = IsWindowsNT();
    engine_.SetXpOrMe(os.IsWinXP() || os.IsWinMe());
    if (nt && drives.anyNtfs && recycleBinSupported_ && !ReadUserSid()) return false;
    if (!CheckContextMenuLibrary(appPath_) && !command_.silent)
        messenger_.Ask(texts_.Text(texts::kMenuMissing), MB_OK | MB_ICONERROR);
    RegisterRecycleBinVerb(appPath_, texts_.Text(texts::kRecycleVerb));

    RunSwitches switches;
    switches.silent = command_.silent;
    switches.algorithm = command_.algorithm;
    switches.driveOption = command_.driveOption;
    switches.folderOption = command_.folderOption;
    switches.removeOption = command_.removeOption;
    engine_.SetSwitches(switches);
    if (makeWindow_) sheet_ = makeWindow_(*this);
    driveEnvironment_.SetFormatOwner(sheet_.get());
    if (!commandLineRun) {
        if (sheet_) sheet_->RunModal();
        return false;
    }
    if (sheet_) sheet_->CreateHidden();
    RunCommandLine();
    return false;
}

void CShredderApp::ProgressShown(bool shown) {
    if (!sheet_) return;
    if (shown)
        sheet_->StartBlinkTimer();
    else
        sheet_->StopBlinkTimer();
}

void CShredderApp::UseLanguage(const std::string& language) {
    texts_.SetLanguage(appPath_, language);
    messenger_.SetCaption(texts_.Text(texts::kCaption));
    SetCaption(messenger_.Caption());
}

void CShredderApp::CheckSchedulerLibrary() {
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, MAX_PATH);
    if (shredder::CheckSchedulerLibrary(system) && SUCCEEDED(schedule_.Create(kScheduleProgId)))
        return;
    if (!command_.silent) messenger_.Ask(texts_.Text(texts::kSchedulerMissing), MB_OK | MB_ICONERROR);
    schedulerUnavailable_ = true;
}

bool CShredderApp::ReadUserSid() {
    std::string sid;
    int failure = 0;
    if (GetCurrentUserSid(sid, failure)) {
        engine_.SetUserSid(sid);
        return true;
    }
    // Logged in a silent run: the run ends here, and not as a success.
    messenger_.Tell(FillIn(texts_.Text(texts::kSidFailed), "%u", std::to_string(failure)),
                    MB_OK | MB_ICONERROR);
    return false;
}

std::string CShredderApp::CreateScheduledTask() {
    CTaskNameDlg dialog(schedule_, job_, texts_, messenger_, skin_, SheetWindow());
    return shredder::CreateScheduledTask(dialog, schedule_, job_, appPath_);
}

std::string CShredderApp::ConfirmationText() const {
    if (command_.items.size() != 1)
        return FillIn(texts_.Text(texts::kConfirmMany), "%u", std::to_string(command_.items.size()));
    const std::string& item = command_.items[0];
    std::string shown = item;
    if (item == kRecycleItem) {
        shown = "the Recycle Bin";
    } else {
        IShellFolder* desktop = nullptr;
        if (SUCCEEDED(SHGetDesktopFolder(&desktop))) {
            std::wstring wide(item.size() + 1, L'\0');
            MultiByteToWideChar(CP_ACP, 0, item.c_str(), -1, &wide[0], static_cast<int>(wide.size()));
            LPITEMIDLIST list = nullptr;
            char path[MAX_PATH] = {};
            if (SUCCEEDED(desktop->ParseDisplayName(nullptr, nullptr, &wide[0], nullptr, &list, nullptr)) &&
                SHGetPathFromIDListA(list, path))
                shown = path;
            if (list) CoTaskMemFree(list);
            desktop->Release();
        }
    }
    return FillIn(texts_.Text(texts::kConfirmOne), "%s", shown);
}

void CShredderApp::SetProgressTotalForItems() {
    const Algorithm* algorithm = engine_.CurrentAlgorithm();
    uint64_t total = 0;
    for (const std::string& item : command_.items) {
        if (item == kRecycleItem) continue;
        FileStatusData data;
        if (!FileStatus(NormalizePath(item), data)) continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
            total += engine_.GetFolderTotals(NormalizePath(item));
        else
            total += (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    }
    if (total > 0 && algorithm) engine_.SetProgressTotal(total / 65536 * algorithm->passes.size() + 1);
}

void CShredderApp::RunCommandLine() {
    engine_.ClearAbort();
    for (const std::string& item : command_.unnamedItems)
        messenger_.Tell(FillIn(texts_.Text(texts::kUnnamed), "%s", item), MB_OK | MB_ICONWARNING);
    if (command_.items.empty()) return;
    if (!command_.silent &&
        messenger_.Ask(ConfirmationText(), MB_YESNO | MB_ICONSTOP | MB_DEFBUTTON2) != IDYES)
        return;
    // A task made when the table was longer (an algorithm deleted since)
    // names none: nothing is shredded under another algorithm.
    int index = 0;
    if (!engine_.CurrentAlgorithm(&index)) {
        engine_.ReportNoAlgorithm(index);
        return;
    }
    SetProgressTotalForItems();
    for (const std::string& item : command_.items) {
        if (item == kRecycleItem) {
            if (sheet_) sheet_->ShredRecycleBin();
        } else if (engine_.ShredItem(item) == kItemNotFound) {
            messenger_.Tell(FillIn(texts_.Text(texts::kNotFileSystemObject), "%s", item), MB_OK);
        }
        if (engine_.Abort()) break;
    }
    engine_.DestroyProgressDialog();
    // Whatever the messages before it, a stopped run never ends as a success.
    if (command_.silent && engine_.WasCancelled())
        messenger_.Tell(texts_.Text(texts::kRunCancelled), MB_OK | MB_ICONWARNING);
}

int CShredderApp::ExitInstance() {
    if (sheet_) sheet_->DeleteTrayIcon();
    driveEnvironment_.SetFormatOwner(nullptr);
    sheet_.reset();
    messenger_.WriteSuccessIfQuiet();
    job_.Driver().ReleaseDispatch();
    schedule_.Driver().ReleaseDispatch();
    skin_.Release();
    if (comStarted_) CoUninitialize();
    mutex_.Release();
    return App::ExitInstance();
}

}  // namespace shredder
