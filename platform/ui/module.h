#pragma once
// The module whose resources (dialog templates, icons, menus, strings) the
// UI layer loads, and whose window class it registers. By default it is the
// module this code is linked into (the program, or the DLL hosted by the
// browser or Explorer), never the host process; WinMain and DllMain may set
// it explicitly.
#include <windows.h>

#include <string>

namespace ui {

HINSTANCE ResourceModule();
void SetResourceModule(HINSTANCE module);

// A string of the resource module's string table ("" when it has none).
std::string ResourceString(unsigned id);

// True when the UI layer runs in the process's own program file, which owns
// its threads: only then may it install a thread message hook. A DLL loaded
// into a browser or Explorer never hooks its host's thread.
bool OwnsProcessThreads();

}  // namespace ui
