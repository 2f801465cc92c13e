// Quarrow's application object: COM for the skin and the shortcuts, the
// common controls, then one run of the main form.
#include <windows.h>
#include <commctrl.h>

#include "platform/ui/app.h"
#include "startup/app/quarrow_run.h"
#include "startup/app/texts.h"

namespace startup {
namespace {

class CQuarrowApp : public ui::App {
protected:
    bool InitInstance() override {
        EnableControlContainer();
        INITCOMMONCONTROLSEX controls = {sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_USEREX_CLASSES};
        InitCommonControlsEx(&controls);
        SetCaption(kAppTitle);
        ui::ScreenMessagePrompt prompt;
        SystemShell shell;
        QuarrowSeams seams;
        seams.programFolder = ProgramFolder();
        seams.places = SystemPlaces();
        seams.prompt = &prompt;
        seams.shell = &shell;
        RunQuarrow(seams);
        return false;
    }
};

CQuarrowApp theApp;

}  // namespace
}  // namespace startup
