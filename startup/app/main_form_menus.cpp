#include "startup/app/main_form.h"

#include "common/files/whole_file.h"
#include "startup/app/texts.h"
#include "startup/core/profile_file.h"
#include "startup/res/resource_ids.h"

namespace startup {
namespace {

const char kProfileFilter[] = "Profiles (*.Pro)|*.Pro|Text Files (*.txt)|*.txt|All Files (*.*)|*.*";

}  // namespace

bool CMainForm::OnMenu(UINT id) {
    switch (id) {
    case ID_APPLY_JUST: ApplyNow(); return true;
    case ID_APPLY_EXIT:
        if (ApplyNow()) Unload();
        return true;
    case ID_APPLY_LOGOFF: ApplyAndEndSession(0); return true;
    case ID_APPLY_RESTART: ApplyAndEndSession(2); return true;
    case ID_PROFILE_SAVE: SaveProfile(); return true;
    case ID_PROFILE_LOAD: LoadProfile(); return true;
    case ID_EDIT_AUTOEXEC: EditRootFile("autoexec.bat"); return true;
    case ID_EDIT_CONFIG: EditRootFile("CONFIG.SYS"); return true;
    case ID_EDIT_REGISTRY: OpenRegistryEditor(); return true;
    case ID_HELP_INDEX: OpenHelp(); return true;
    case ID_HELP_UPDATE: RunProgram("\"" + seams_.programFolder + "\\Quorvane.exe\""); return true;
    case ID_HELP_ABOUT: about_.Show(Handle()); return true;
    default: return false;
    }
}

// True when every change reached the system; otherwise the user has been
// told what did not, and those rows show the status the system still has.
bool CMainForm::ApplyNow() {
    const int selected = SelectedRow();
    const ApplyResult result = list_.ApplyNow([this](const EntryRow& stored) {
        return seams_.prompt->Show(MessageText(language_, kMsgReplaceLive) + "\n\n" +
                                       stored.entry.taskName + " (" + stored.entry.loadFrom +
                                       ")\n" + stored.entry.location,
                                   kAppTitle, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
    });
    ShowRows(selected);
    if (result.storeFailed) {
        Tell("The list of disabled entries could not be written to " +
                 seams_.places.StoreFile() + ". Nothing has been changed.",
             MB_OK | MB_ICONSTOP);
        return false;
    }
    if (result.failures.empty()) return true;
    std::string text = "These changes could not be made:\n";
    for (const std::string& failure : result.failures) text += "\n" + failure;
    Tell(text, MB_OK | MB_ICONEXCLAMATION);
    return false;
}

// The session ends only when the changes are safely in place.
void CMainForm::ApplyAndEndSession(long option) {
    if (!ApplyNow()) return;
    clsExitWindows(seams_.exitWindows).ExitWindows(option);
}

void CMainForm::SaveProfile() {
    const std::string path = seams_.shell->PickFile(Handle(), true, kProfileFilter, "Pro");
    if (path.empty()) return;
    switch (startup::SaveProfile(list_.Rows(), path)) {
    case WriteResult::Written: return;
    case WriteResult::LineBreak:
        Tell("An entry holds a line break in its name or command, so the profile cannot be "
             "written. Remove or enable that entry first.",
             MB_OK | MB_ICONEXCLAMATION);
        return;
    case WriteResult::Failed:
        Tell("The profile could not be written to " + path + ".", MB_OK | MB_ICONSTOP);
        return;
    }
}

void CMainForm::LoadProfile() {
    const std::string path = seams_.shell->PickFile(Handle(), false, kProfileFilter, nullptr);
    if (path.empty()) return;
    std::vector<StartupEntry> records;
    std::string values;
    if (!ReadProfile(path, records, values)) {
        Tell("The profile " + path + " could not be read.", MB_OK | MB_ICONSTOP);
        return;
    }
    list_.LoadProfile(records, values);
    ShowRows(0);
}

// autoexec.bat or CONFIG.SYS at the root of the Windows drive, else on C:.
void CMainForm::EditRootFile(const char* name) {
    const std::string onWindowsDrive = seams_.places.windowsFolder.substr(0, 3) + name;
    const std::string path =
        files::FileExists(onWindowsDrive) ? onWindowsDrive : std::string("C:\\") + name;
    RunProgram("notepad.exe " + path);
}

void CMainForm::OpenRegistryEditor() {
    if (seams_.prompt->Show(MessageText(language_, kMsgRegistryWarning),
                            MessageText(language_, kMsgRegistryCaption),
                            MB_YESNO | MB_ICONSTOP | MB_DEFBUTTON2) != IDYES) {
        return;
    }
    RunProgram("\"" + seams_.places.windowsFolder + "\\regedit.exe\"");
}

void CMainForm::OpenHelp() {
    const std::string help = seams_.programFolder + "\\Olvendt.chm";
    if (files::FileExists(help)) {
        seams_.shell->Open(help, "C:\\");
    } else {
        Tell(MessageText(language_, kMsgNoHelp), MB_OK | MB_ICONEXCLAMATION);
    }
}

void CMainForm::RunProgram(const std::string& commandLine) {
    if (!seams_.shell->Run(commandLine))
        Tell("Could not start " + commandLine + ".", MB_OK | MB_ICONEXCLAMATION);
}

void CMainForm::Tell(const std::string& text, UINT flags) {
    seams_.prompt->Show(text, kAppTitle, flags);
}

}  // namespace startup
