// The program's one application object; the UI layer's entry point runs it.
#include "shredder/shredder_app.h"

shredder::CShredderApp theApp;
