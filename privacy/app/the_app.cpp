// Corbelt's one application object, which the UI layer's entry point runs.
#include "privacy/app/corbelt_app.h"

namespace {
privacy::CCorbeltApp theApp;
}  // namespace
