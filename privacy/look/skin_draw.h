// Bitmap drawing on a device context: stretched or tiled, opaque or with a
// colour left out. The window frame of a skinned dialog is painted from
// these; they work on any device context, a memory one included.
#pragma once
#include <windows.h>

#include <string>

#include "privacy/look/skin_rules.h"

namespace privacy {

// Size of a bitmap in pixels; zero for none.
SkinSize BitmapSize(HBITMAP bitmap);

// Stretch: the whole bitmap into the rectangle. Tile: copies of it from the
// rectangle's top-left corner, clipped at the right and bottom edge.
void DrawBitmap(HDC dc, const RECT& rect, HBITMAP bitmap, bool stretch);

// Draws the source rectangle, stretched to width x height, at (x, y) of the
// destination, leaving the destination as it is wherever the source has the
// transparent colour.
void BlitTransparent(HDC dest, int x, int y, int width, int height, HDC source, int sourceX,
                     int sourceY, int sourceWidth, int sourceHeight, COLORREF transparent);

// DrawBitmap with every stretch or tile going through BlitTransparent.
void DrawBitmapTransparent(HDC dc, const RECT& rect, HBITMAP bitmap, bool stretch,
                           COLORREF transparent);

// What a skinned window paints: its frame from the skin bitmaps, the
// program icon and the title (black when active, white when not).
struct SkinPaint {
    int width = 0;
    int height = 0;
    HICON icon = nullptr;
    std::string title;
    bool active = false;
    HFONT font = nullptr;  // the title's font; nullptr keeps the context's
};
void PaintSkinFrame(HDC dc, const SkinPaint& paint);

// The frame layout for a client size with the loaded skin bitmaps.
SkinFrameLayout CurrentSkinLayout(int width, int height);

inline RECT ToRect(const SkinRect& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace privacy
