// The skin's drawing rules as plain functions: where each frame piece goes
// for a window size, how a bitmap tiles over an area, where a tab sits,
// which face a button shows and which colour a list row gets. No window or
// device context is involved, so tests check the rules directly.
#pragma once
#include <cstdint>
#include <vector>

namespace privacy {

struct SkinSize {
    int cx = 0;
    int cy = 0;
};

struct SkinPoint {
    int x = 0;
    int y = 0;
};

struct SkinRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const SkinRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
};

// The height of the caption strip when its bitmap is not loaded.
constexpr int kDefaultCaptionHeight = 30;

// Sizes of the frame bitmaps the layout depends on.
struct SkinFrameSizes {
    SkinSize caption, topLeft, topRight, left, right, bottom, bottomLeft, bottomRight;
};

// Every piece of a skinned window of client size width x height, in the
// order it is painted; the caption height is the caption bitmap's height.
struct SkinFrameLayout {
    int captionHeight = kDefaultCaptionHeight;
    SkinRect body;         // stretched
    SkinRect caption;      // stretched
    SkinRect bottom;       // tiled
    SkinRect left;         // tiled
    SkinRect right;        // tiled
    SkinRect topLeft;      // key colour left out
    SkinRect topRight;     // key colour left out
    SkinRect bottomLeft;
    SkinRect bottomRight;
    SkinRect icon;         // the program icon, captionHeight - 8 square
    SkinRect title;        // the window text, vertically centred
};
SkinFrameLayout LayoutSkinFrame(int width, int height, const SkinFrameSizes& sizes);

// The destination of each tile when a bitmap of size `tile` covers `area`
// from its top-left corner, column by column; tiles at the right and bottom
// edge are clipped (each tile shows the bitmap's top-left part). Empty for
// an empty area or tile.
std::vector<SkinRect> TileRects(const SkinRect& area, SkinSize tile);

// Whether a hit in the client area at client y is answered as the caption:
// only while the left button is down and within the caption strip.
bool IsCaptionDrag(bool leftButtonDown, int clientY, int captionHeight);

// Title colour as 0x00BBGGRR: black on the active window, white otherwise.
uint32_t SkinTitleColor(bool active);

// The face a skinned push button shows: pressed > hover > focus > normal.
enum class ButtonFace { Normal, Pressed, Focused, Hover };
ButtonFace ChooseButtonFace(bool pressed, bool hover, bool focused);

// Tab n of a bar: left 6, top 6 + n * (height + 6).
SkinRect TabRect(int index, int buttonWidth, int buttonHeight);

// A gold button's face: pressed moves in by 4 at left and top; otherwise
// it loses 2 at right and bottom and a shadow fills from (left+2, top+2).
SkinRect GoldFaceRect(const SkinRect& client, bool pressed);
SkinRect GoldShadowRect(const SkinRect& client);

// The background of list row `row` (display position): one of six stripes.
uint32_t StripeColor(int row);

// Where a page's top-left corner goes inside a frame (both in screen
// coordinates): centred when `centre`, else at the frame's top-left.
SkinPoint PagePosition(const SkinRect& frame, SkinSize page, bool centre);

}  // namespace privacy
