#include "privacy/app/corbelt_app.h"

#include <windows.h>
#include <commctrl.h>

#include "privacy/app/corbelt_dlg.h"
#include "privacy/look/skin_bitmaps.h"
#include "privacy/look/skin_classes.h"

namespace privacy {

bool CCorbeltApp::InitInstance() {
    EnableControlContainer();
    INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_USEREX_CLASSES};
    InitCommonControlsEx(&controls);
    LoadSkinBitmaps();
    RegisterSkinWindowClasses();
    ui::ScreenMessagePrompt prompt;
    WinInetCacheCleaner cache;
    CCorbeltDlg dialog(SystemSessionEnv(ModulePath()), prompt, cache);
    dialog.OwnBoxes(prompt);
    dialog.DoModal();
    return false;
}

}  // namespace privacy
