// Asks the system for WM_MOUSELEAVE and WM_MOUSEHOVER on a window. The call
// is looked up by name (user32, then comctl32's emulation), so the program
// still loads on systems without it; there the hover state simply ends at
// the next capture change or click.
#pragma once
#include <windows.h>

namespace privacy {

bool TrackMouseLeaveAndHover(HWND hwnd);

}  // namespace privacy
