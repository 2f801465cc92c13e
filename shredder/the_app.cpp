// The program's one application object, with the property sheet as its
// main window and the alert dialog as its old-shell notice; the UI layer's
// entry point runs it.
#include "shredder/pages/alert_dlg.h"
#include "shredder/shredder_app.h"
#include "shredder/window/my_property_sheet.h"

shredder::CShredderApp theApp(&shredder::MakeMainSheet, &shredder::ShowOldShellNotice);
