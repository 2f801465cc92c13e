#include "privacy/look/skin_draw.h"

#include "platform/ui/gdi.h"
#include "privacy/look/dc_scope.h"
#include "privacy/look/skin_bitmaps.h"
#include "privacy/look/skin_res.h"

namespace privacy {
namespace {

constexpr COLORREF kKeyColour = RGB(0, 255, 0);
constexpr DWORD kDestAndNotSource = 0x220326;  // DSna: clears where the source is set

// Device sizes of the destination in its logical units.
SIZE ToLogical(HDC dc, int width, int height) {
    POINT points[2] = {{0, 0}, {width, height}};
    DPtoLP(dc, points, 2);
    return {points[1].x - points[0].x, points[1].y - points[0].y};
}

}  // namespace

SkinSize BitmapSize(HBITMAP bitmap) {
    BITMAP info = {};
    if (!bitmap || !GetObjectA(bitmap, sizeof(info), &info)) return {};
    return {info.bmWidth, info.bmHeight};
}

void DrawBitmap(HDC dc, const RECT& rect, HBITMAP bitmap, bool stretch) {
    const SkinSize size = BitmapSize(bitmap);
    if (!size.cx || !size.cy) return;
    MemoryDc source(dc);
    Selection selected(source.Get(), bitmap);
    if (stretch) {
        const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                   source.Get(), 0, 0, size.cx, size.cy, SRCCOPY);
        SetStretchBltMode(dc, oldMode);
        return;
    }
    for (const SkinRect& tile : TileRects({rect.left, rect.top, rect.right, rect.bottom}, size)) {
        BitBlt(dc, tile.left, tile.top, tile.Width(), tile.Height(), source.Get(), 0, 0, SRCCOPY);
    }
}

void BlitTransparent(HDC dest, int x, int y, int width, int height, HDC source, int sourceX,
                     int sourceY, int sourceWidth, int sourceHeight, COLORREF transparent) {
    if (width <= 0 || height <= 0) return;
    const int mapMode = GetMapMode(dest);
    const SIZE logical = ToLogical(dest, width, height);

    // The source, stretched to size, in a colour work bitmap.
    MemoryDc image(dest);
    ui::Bitmap imageBits(CreateCompatibleBitmap(dest, width, height));
    Selection imageSelected(image.Get(), imageBits.Get());
    SetMapMode(image.Get(), mapMode);
    const int oldMode = SetStretchBltMode(image.Get(), COLORONCOLOR);
    StretchBlt(image.Get(), 0, 0, logical.cx, logical.cy, source, sourceX, sourceY, sourceWidth,
               sourceHeight, SRCCOPY);
    SetStretchBltMode(image.Get(), oldMode);

    // A one-bit mask: set where the image has the transparent colour.
    MemoryDc mask(dest);
    ui::Bitmap maskBits(CreateBitmap(width, height, 1, 1, nullptr));
    Selection maskSelected(mask.Get(), maskBits.Get());
    SetMapMode(mask.Get(), mapMode);
    SetBkColor(image.Get(), transparent);
    BitBlt(mask.Get(), 0, 0, logical.cx, logical.cy, image.Get(), 0, 0, SRCCOPY);

    // Clear the transparent pixels of the image (mask bits become white).
    SetBkColor(image.Get(), RGB(255, 255, 255));
    SetTextColor(image.Get(), RGB(0, 0, 0));
    BitBlt(image.Get(), 0, 0, logical.cx, logical.cy, mask.Get(), 0, 0, kDestAndNotSource);

    // The destination's pixels kept where the mask is set, the image's elsewhere.
    MemoryDc merge(dest);
    ui::Bitmap mergeBits(CreateCompatibleBitmap(dest, width, height));
    Selection mergeSelected(merge.Get(), mergeBits.Get());
    SetMapMode(merge.Get(), mapMode);
    SetBkColor(merge.Get(), RGB(255, 255, 255));
    SetTextColor(merge.Get(), RGB(0, 0, 0));
    BitBlt(merge.Get(), 0, 0, logical.cx, logical.cy, dest, x, y, SRCCOPY);
    BitBlt(merge.Get(), 0, 0, logical.cx, logical.cy, mask.Get(), 0, 0, SRCAND);
    BitBlt(merge.Get(), 0, 0, logical.cx, logical.cy, image.Get(), 0, 0, SRCINVERT);
    BitBlt(dest, x, y, logical.cx, logical.cy, merge.Get(), 0, 0, SRCCOPY);
}

void DrawBitmapTransparent(HDC dc, const RECT& rect, HBITMAP bitmap, bool stretch,
                           COLORREF transparent) {
    const SkinSize size = BitmapSize(bitmap);
    if (!size.cx || !size.cy) return;
    MemoryDc source(dc);
    Selection selected(source.Get(), bitmap);
    if (stretch) {
        BlitTransparent(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                        source.Get(), 0, 0, size.cx, size.cy, transparent);
        return;
    }
    for (const SkinRect& tile : TileRects({rect.left, rect.top, rect.right, rect.bottom}, size)) {
        BlitTransparent(dc, tile.left, tile.top, tile.Width(), tile.Height(), source.Get(), 0, 0,
                        tile.Width(), tile.Height(), transparent);
    }
}

SkinFrameLayout CurrentSkinLayout(int width, int height) {
    SkinFrameSizes sizes;
    sizes.caption = BitmapSize(SkinBitmap(IDB_SKIN_CAPTION));
    sizes.topLeft = BitmapSize(SkinBitmap(IDB_SKIN_TOP_LEFT));
    sizes.topRight = BitmapSize(SkinBitmap(IDB_SKIN_TOP_RIGHT));
    sizes.left = BitmapSize(SkinBitmap(IDB_SKIN_LEFT));
    sizes.right = BitmapSize(SkinBitmap(IDB_SKIN_RIGHT));
    sizes.bottom = BitmapSize(SkinBitmap(IDB_SKIN_BOTTOM));
    sizes.bottomLeft = BitmapSize(SkinBitmap(IDB_SKIN_BOTTOM_LEFT));
    sizes.bottomRight = BitmapSize(SkinBitmap(IDB_SKIN_BOTTOM_RIGHT));
    return LayoutSkinFrame(width, height, sizes);
}

void PaintSkinFrame(HDC dc, const SkinPaint& paint) {
    const SkinFrameLayout l = CurrentSkinLayout(paint.width, paint.height);
    DrawBitmap(dc, ToRect(l.body), SkinBitmap(IDB_SKIN_BODY), true);
    DrawBitmap(dc, ToRect(l.caption), SkinBitmap(IDB_SKIN_CAPTION), true);
    DrawBitmap(dc, ToRect(l.bottom), SkinBitmap(IDB_SKIN_BOTTOM), false);
    DrawBitmap(dc, ToRect(l.left), SkinBitmap(IDB_SKIN_LEFT), false);
    DrawBitmap(dc, ToRect(l.right), SkinBitmap(IDB_SKIN_RIGHT), false);
    DrawBitmapTransparent(dc, ToRect(l.topLeft), SkinBitmap(IDB_SKIN_TOP_LEFT), false, kKeyColour);
    DrawBitmapTransparent(dc, ToRect(l.topRight), SkinBitmap(IDB_SKIN_TOP_RIGHT), false, kKeyColour);
    DrawBitmap(dc, ToRect(l.bottomLeft), SkinBitmap(IDB_SKIN_BOTTOM_LEFT), false);
    DrawBitmap(dc, ToRect(l.bottomRight), SkinBitmap(IDB_SKIN_BOTTOM_RIGHT), false);

    if (paint.icon) {
        DrawIconEx(dc, l.icon.left, l.icon.top, paint.icon, l.icon.Width(), l.icon.Height(), 0,
                   nullptr, DI_NORMAL);
    }
    Selection font(dc, paint.font);
    const int oldBk = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldText = SetTextColor(dc, static_cast<COLORREF>(SkinTitleColor(paint.active)));
    RECT title = ToRect(l.title);
    DrawTextA(dc, paint.title.c_str(), static_cast<int>(paint.title.size()), &title,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SetTextColor(dc, oldText);
    SetBkMode(dc, oldBk);
}

}  // namespace privacy
