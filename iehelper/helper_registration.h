#pragma once
// Self-registration of the helper: its class and ProgIDs under
// HKEY_CLASSES_ROOT, its key among Internet Explorer's browser helper
// objects, and its type library.
#include <windows.h>

namespace iehelper {

// On any failure what was already written is taken out again.
HRESULT RegisterHelper();
// Takes out the class and the helper key; the type library stays
// registered. Missing keys count as removed.
HRESULT UnregisterHelper();

}  // namespace iehelper
