#pragma once
// The right-to-left layout of a dialog for the Arabic language file: every
// control mirrored across the dialog and its text read and aligned from the
// right. Works on every Windows, mirroring support or not.
#include <windows.h>

namespace startup {

void MirrorLayout(HWND dialog);

}  // namespace startup
