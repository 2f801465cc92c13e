#include "privacy/app/corbelt_app.h"

#include <windows.h>
#include <commctrl.h>

#include "privacy/app/corbelt_dlg.h"
#include "privacy/look/skin_bitmaps.h"
#include "privacy/look/skin_classes.h"

namespace privacy {
namespace {

std::string ModuleFileName() {
    char path[MAX_PATH + 1] = "";
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    return std::string(path, length < MAX_PATH ? length : MAX_PATH);
}

}  // namespace

CCorbeltApp::CCorbeltApp() : programPath_(ModuleFileName()) {}

bool CCorbeltApp::InitInstance() {
    EnableControlContainer();
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_USEREX_CLASSES};
    InitCommonControlsEx(&controls);
    LoadSkinBitmaps();
    RegisterSkinWindowClasses();
    ui::ScreenMessagePrompt prompt;
    WinInetCacheCleaner cache;
    CCorbeltDlg dialog(SystemSessionEnv(programPath_), prompt, cache);
    dialog.DoModal();
    return false;
}

}  // namespace privacy
