#pragma once
// The handler's registration: its class under HKEY_CLASSES_ROOT, the menu
// handlers of "*" and "Folder", and on the NT family the approved list.
#include <windows.h>

namespace shellmenu {

HRESULT RegisterShellExt();
// Removes all of it again; keys already missing count as removed.
HRESULT UnregisterShellExt();

}  // namespace shellmenu
