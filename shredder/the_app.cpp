// The program's one application object, with the property sheet as its
// main window; the UI layer's entry point runs it.
#include "shredder/shredder_app.h"
#include "shredder/window/my_property_sheet.h"

shredder::CShredderApp theApp(&shredder::MakeMainSheet);
