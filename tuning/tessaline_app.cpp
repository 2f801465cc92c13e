#include "tuning/tessaline_app.h"

#include <commctrl.h>

#include "tuning/main_dlg.h"
#include "tuning/model/registry_paths.h"
#include "tuning/texts.h"

namespace tuning {

bool FamilyOf(const COsVersion& os, Family& family) {
    if (os.IsWin95() || os.IsWin98() || os.IsWinMe()) {
        family = Family::Win9x;
        return true;
    }
    if (os.IsWinXP() || os.IsWin2000() || os.IsWinNT4()) {
        family = Family::NT;
        return true;
    }
    return false;
}

void SaveLanguage(TuningContext& context, const std::string& name) {
    if (context.registry.KeyExists(Hive::CurrentUser, kProgramKey))
        context.registry.Write(Hive::CurrentUser, kProgramKey, "Language", TextValue(name));
}

void CTessalineApp::ReadProgramKey() {
    RegValue value;
    std::string text;
    if (context_.registry.Read(Hive::CurrentUser, kProgramKey, "AppPath", value) &&
        AsText(value, text))
        context_.appPath = text.substr(0, 259);
    if (context_.registry.Read(Hive::CurrentUser, kProgramKey, "Language", value) &&
        AsText(value, text))
        context_.language = text.substr(0, 259);
}

bool CTessalineApp::InitInstance() {
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_USEREX_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    EnableControlContainer();
    SetDialogColors(RGB(77, 115, 148), RGB(255, 255, 255));
    ReadProgramKey();
    SetCaption(context_.texts.GetLangString(texts::kTitle));

    const COsVersion os;
    if (!FamilyOf(os, context_.family)) {
        context_.Message(context_.texts.GetLangString(texts::kUnknownWindows), MB_OK | MB_ICONERROR);
        return false;
    }
    CTessalineDlg dialog(context_);
    dialog.DoModal();
    return false;
}

}  // namespace tuning
