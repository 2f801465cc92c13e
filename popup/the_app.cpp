// The program's one application object; the UI layer's entry point runs it.
#include "popup/halvane_app.h"

namespace popup {

CHalvaneApp theApp;

}  // namespace popup
