// The process-wide skin bitmaps: loaded once from the program's resources
// before any skinned window exists, freed when the process ends. Windows
// and controls share them and never delete them.
#pragma once
#include <windows.h>

namespace privacy {

// Loads the nineteen skin bitmaps and sets the defaults every skinned push
// button takes when it is attached. False when a bitmap is missing (the
// others are loaded; a missing piece is simply not drawn).
bool LoadSkinBitmaps();

// A loaded skin bitmap by resource id (IDB_SKIN_*); nullptr when not loaded.
HBITMAP SkinBitmap(int resourceId);

// The style and faces a new skinned push button starts with.
struct SkinButtonDefaults {
    int style = 4;
    HBITMAP normal = nullptr;
    HBITMAP pressed = nullptr;
    HBITMAP focused = nullptr;
    HBITMAP hover = nullptr;
};
const SkinButtonDefaults& ButtonDefaults();

}  // namespace privacy
