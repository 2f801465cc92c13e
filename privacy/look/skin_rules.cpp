#include "privacy/look/skin_rules.h"

#include <algorithm>

namespace privacy {

SkinFrameLayout LayoutSkinFrame(int w, int h, const SkinFrameSizes& s) {
    SkinFrameLayout l;
    const int c = s.caption.cy > 0 ? s.caption.cy : kDefaultCaptionHeight;
    l.captionHeight = c;
    l.body = {s.left.cx, c, w - s.right.cx, h - s.bottom.cy};
    l.caption = {s.topLeft.cx, 0, w - s.topRight.cx, c};
    l.bottom = {s.bottomLeft.cx, h - s.bottom.cy, w - s.bottomRight.cx, h};
    l.left = {0, c, s.left.cx, h - s.bottomLeft.cy};
    l.right = {w - s.right.cx, c, w, h - s.bottomRight.cy};
    l.topLeft = {0, 0, s.topLeft.cx, s.topLeft.cy};
    l.topRight = {w - s.topRight.cx, 0, w, s.topRight.cy};
    l.bottomLeft = {0, h - s.bottomLeft.cy, s.bottomLeft.cx, h};
    l.bottomRight = {w - s.bottomRight.cx, h - s.bottomRight.cy, w, h};
    const int iconSize = std::max(0, c - 8);
    l.icon = {8, 5, 8 + iconSize, 5 + iconSize};
    l.title = {c + 7, 0, w, c};
    return l;
}

std::vector<SkinRect> TileRects(const SkinRect& area, SkinSize tile) {
    std::vector<SkinRect> tiles;
    if (tile.cx <= 0 || tile.cy <= 0 || area.Width() <= 0 || area.Height() <= 0) return tiles;
    for (int x = area.left; x < area.right; x += tile.cx) {
        for (int y = area.top; y < area.bottom; y += tile.cy) {
            tiles.push_back({x, y, std::min(x + tile.cx, area.right), std::min(y + tile.cy, area.bottom)});
        }
    }
    return tiles;
}

bool IsCaptionDrag(bool leftButtonDown, int clientY, int captionHeight) {
    return leftButtonDown && clientY >= 0 && clientY < captionHeight;
}

uint32_t SkinTitleColor(bool active) { return active ? 0x000000u : 0xFFFFFFu; }

ButtonFace ChooseButtonFace(bool pressed, bool hover, bool focused) {
    if (pressed) return ButtonFace::Pressed;
    if (hover) return ButtonFace::Hover;
    if (focused) return ButtonFace::Focused;
    return ButtonFace::Normal;
}

SkinRect TabRect(int index, int buttonWidth, int buttonHeight) {
    const int top = 6 + index * (buttonHeight + 6);
    return {6, top, 6 + buttonWidth, top + buttonHeight};
}

SkinRect GoldFaceRect(const SkinRect& client, bool pressed) {
    if (pressed) return {client.left + 4, client.top + 4, client.right, client.bottom};
    return {client.left, client.top, client.right - 2, client.bottom - 2};
}

SkinRect GoldShadowRect(const SkinRect& client) {
    return {client.left + 2, client.top + 2, client.right, client.bottom};
}

namespace {

constexpr uint32_t Rgb(uint32_t r, uint32_t g, uint32_t b) { return r | g << 8 | b << 16; }

}  // namespace

uint32_t StripeColor(int row) {
    static const uint32_t kStripes[6] = {
        Rgb(255, 235, 255), Rgb(255, 255, 235), Rgb(255, 235, 235),
        Rgb(235, 255, 255), Rgb(235, 235, 255), Rgb(235, 255, 235),
    };
    const int index = row % 6;
    return kStripes[index < 0 ? index + 6 : index];
}

SkinPoint PagePosition(const SkinRect& frame, SkinSize page, bool centre) {
    if (!centre) return {frame.left, frame.top};
    return {frame.left + (frame.Width() - page.cx) / 2, frame.top + (frame.Height() - page.cy) / 2};
}

}  // namespace privacy
