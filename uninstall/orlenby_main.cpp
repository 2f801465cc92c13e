// Entry point of Orlenby.exe: one uninstall run on this machine, then the
// process ends (exit code 0 in every case).
#include <windows.h>

#include "common/browser/connection_options.h"
#include "common/os/os_version.h"
#include "platform/guard/guard.h"
#include "platform/ui/message_prompt.h"
#include "uninstall/orlenby_app.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    guard::Run("Orlenby", [] {
        uninstall::Surroundings where;
        char windows[MAX_PATH] = "";
        const UINT length = GetWindowsDirectoryA(windows, MAX_PATH);
        where.windowsFolder.assign(windows, length < MAX_PATH ? length : 0);
        where.nt = IsWindowsNT();
        where.bases = browser::SystemProfileBases();
        ui::ScreenMessagePrompt prompt;
        browser::WinInetOptionWriter options;
        uninstall::COrlenbyApp(where, prompt, options).InitInstance();
    });
    return 0;
}
