// The skin's drawing: transparent blits and tiling on real memory contexts,
// the frame layout for a window size, and the title colour by activation.
#include <gtest/gtest.h>

#include "privacy/look/skin_bitmaps.h"
#include "privacy/look/skin_draw.h"
#include "privacy/look/skin_res.h"
#include "privacy/look/tests/look_test_support.h"

namespace {

using looktest::Canvas;
using namespace privacy;

constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr COLORREF kBlue = RGB(0, 0, 200);

// A 4 x 2 source: key green in columns 0 and 2, red and yellow elsewhere.
void PaintSource(Canvas& source) {
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 4; ++x) SetPixel(source.dc(), x, y, x % 2 ? RGB(200, 0, 0) : kGreen);
    }
    SetPixel(source.dc(), 3, 1, RGB(255, 255, 0));
}

TEST(SkinDrawing, BlitTransparentKeepsTheDestinationUnderTheKeyColourAndStretches) {
    Canvas source(4, 2, kGreen);
    PaintSource(source);
    Canvas dest(20, 10, kBlue);
    BlitTransparent(dest.dc(), 2, 3, 8, 4, source.dc(), 0, 0, 4, 2, kGreen);

    // Stretched twice: source column x covers destination columns 2+2x, 3+2x.
    for (int y = 3; y < 7; ++y) {
        EXPECT_EQ(kBlue, dest.At(2, y)) << y;
        EXPECT_EQ(kBlue, dest.At(3, y)) << y;
        EXPECT_EQ(RGB(200, 0, 0), dest.At(4, y)) << y;
        EXPECT_EQ(kBlue, dest.At(6, y)) << y;
    }
    EXPECT_EQ(RGB(255, 255, 0), dest.At(9, 6));
    EXPECT_EQ(RGB(200, 0, 0), dest.At(9, 3));
    // Nothing outside the target rectangle changes.
    EXPECT_EQ(kBlue, dest.At(10, 4));
    EXPECT_EQ(kBlue, dest.At(4, 7));
    EXPECT_EQ(kBlue, dest.At(4, 2));
}

TEST(SkinDrawing, TilingRepeatsFromTheTopLeftAndClipsAtTheEdges) {
    // A 3 x 2 bitmap: one red and one green pixel on dark grey.
    HDC screen = GetDC(nullptr);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 3, 2);
    HDC painter = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(painter, bitmap);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) SetPixel(painter, x, y, RGB(10, 10, 10));
    }
    SetPixel(painter, 0, 0, RGB(250, 0, 0));
    SetPixel(painter, 2, 1, RGB(0, 250, 0));
    SelectObject(painter, old);
    DeleteDC(painter);

    Canvas dest(12, 8, kBlue);
    DrawBitmap(dest.dc(), RECT{1, 1, 8, 6}, bitmap, false);
    for (int x = 1; x < 8; ++x) {
        for (int y = 1; y < 6; ++y) {
            const int sx = (x - 1) % 3, sy = (y - 1) % 2;
            const COLORREF want = sx == 0 && sy == 0 ? RGB(250, 0, 0)
                                  : sx == 2 && sy == 1 ? RGB(0, 250, 0) : RGB(10, 10, 10);
            EXPECT_EQ(want, dest.At(x, y)) << x << "," << y;
        }
    }
    EXPECT_EQ(kBlue, dest.At(8, 1));  // clipped on the right
    EXPECT_EQ(kBlue, dest.At(1, 6));  // and at the bottom
    EXPECT_EQ(kBlue, dest.At(0, 0));
    DeleteObject(bitmap);

    const auto tiles = TileRects({0, 0, 10, 5}, {4, 2});
    ASSERT_EQ(9u, tiles.size());
    EXPECT_EQ((SkinRect{8, 4, 10, 5}), tiles.back());
    EXPECT_EQ((SkinRect{0, 2, 4, 4}), tiles[1]);  // column by column
    EXPECT_TRUE(TileRects({0, 0, 10, 5}, {0, 2}).empty());
}

TEST(SkinDrawing, FramePiecesFollowTheWindowSize) {
    SkinFrameSizes sizes;
    sizes.caption = {56, 30};
    sizes.topLeft = {5, 30};
    sizes.topRight = {5, 30};
    sizes.left = {4, 31};
    sizes.right = {4, 31};
    sizes.bottom = {41, 4};
    sizes.bottomLeft = {5, 4};
    sizes.bottomRight = {4, 4};
    const SkinFrameLayout l = LayoutSkinFrame(300, 200, sizes);
    EXPECT_EQ(30, l.captionHeight);
    EXPECT_EQ((SkinRect{4, 30, 296, 196}), l.body);
    EXPECT_EQ((SkinRect{5, 0, 295, 30}), l.caption);
    EXPECT_EQ((SkinRect{5, 196, 296, 200}), l.bottom);
    EXPECT_EQ((SkinRect{0, 30, 4, 196}), l.left);
    EXPECT_EQ((SkinRect{296, 30, 300, 196}), l.right);
    EXPECT_EQ((SkinRect{295, 0, 300, 30}), l.topRight);
    EXPECT_EQ((SkinRect{0, 196, 5, 200}), l.bottomLeft);
    EXPECT_EQ((SkinRect{296, 196, 300, 200}), l.bottomRight);
    EXPECT_EQ((SkinRect{8, 5, 30, 27}), l.icon);
    EXPECT_EQ((SkinRect{37, 0, 300, 30}), l.title);

    // A taller caption bitmap moves everything under it.
    sizes.caption = {56, 40};
    EXPECT_EQ(40, LayoutSkinFrame(300, 200, sizes).body.top);
    EXPECT_EQ(47, LayoutSkinFrame(300, 200, sizes).title.left);
}

TEST(SkinDrawing, TheCaptionAnswersOnlyToAPressedLeftButtonInsideTheStrip) {
    EXPECT_TRUE(IsCaptionDrag(true, 0, 30));
    EXPECT_TRUE(IsCaptionDrag(true, 29, 30));
    EXPECT_FALSE(IsCaptionDrag(true, 30, 30));
    EXPECT_FALSE(IsCaptionDrag(false, 10, 30));
    EXPECT_FALSE(IsCaptionDrag(true, -1, 30));
}

// Counts pixels of a colour inside a rectangle.
int Count(const Canvas& canvas, const RECT& r, COLORREF colour) {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y) {
        for (int x = r.left; x < r.right; ++x) n += canvas.At(x, y) == colour;
    }
    return n;
}

TEST(SkinDrawing, ThePaintedFrameHasTheSkinPiecesAndATitleColouredByActivation) {
    looktest::LoadSkinOnce();
    for (bool active : {false, true}) {
        Canvas canvas(240, 120, RGB(1, 2, 3));
        SkinPaint paint;
        paint.width = 240;
        paint.height = 120;
        paint.title = "MMMM WWWW";
        paint.active = active;
        paint.font = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
        PaintSkinFrame(canvas.dc(), paint);
        const RECT title = {37, 0, 240, 30};
        const int white = Count(canvas, title, RGB(255, 255, 255));
        const int black = Count(canvas, title, RGB(0, 0, 0));
        if (active) {
            EXPECT_GT(black, 20);
            EXPECT_EQ(0, white);
        } else {
            EXPECT_GT(white, 20);
            EXPECT_EQ(0, black);
        }
        // The key colour of the top corners is never painted: the corner
        // pixel keeps what was there; the frame's outline is on the left.
        EXPECT_EQ(RGB(1, 2, 3), canvas.At(0, 0));
        EXPECT_EQ(RGB(1, 2, 3), canvas.At(239, 0));
        EXPECT_NE(RGB(0, 255, 0), canvas.At(1, 1));
        EXPECT_EQ(RGB(44, 62, 94), canvas.At(0, 60));
        EXPECT_EQ(RGB(44, 62, 94), canvas.At(100, 119));
        EXPECT_EQ(RGB(44, 62, 94), canvas.At(100, 0));
    }
}

}  // namespace
