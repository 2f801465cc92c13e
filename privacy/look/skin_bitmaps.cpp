#include "privacy/look/skin_bitmaps.h"

#include "platform/ui/gdi.h"
#include "platform/ui/module.h"
#include "privacy/look/skin_res.h"

namespace privacy {
namespace {

constexpr int kSkinIds[] = {
    IDB_SKIN_BODY,          IDB_SKIN_CAPTION,        IDB_SKIN_TOP_LEFT,      IDB_SKIN_TOP_RIGHT,
    IDB_SKIN_LEFT,          IDB_SKIN_RIGHT,          IDB_SKIN_BOTTOM,        IDB_SKIN_BOTTOM_LEFT,
    IDB_SKIN_BOTTOM_RIGHT,  IDB_SKIN_BUTTON_NORMAL,  IDB_SKIN_BUTTON_PRESSED, IDB_SKIN_BUTTON_FOCUSED,
    IDB_SKIN_BUTTON_HOVER,  IDB_SKIN_CLOSE_NORMAL,   IDB_SKIN_CLOSE_PRESSED, IDB_SKIN_CLOSE_FOCUSED,
    IDB_SKIN_MINIMISE_NORMAL, IDB_SKIN_MINIMISE_PRESSED, IDB_SKIN_MINIMISE_FOCUSED,
};
constexpr int kSkinCount = sizeof(kSkinIds) / sizeof(kSkinIds[0]);

struct SkinSet {
    ui::Bitmap bitmaps[kSkinCount];
    SkinButtonDefaults buttons;
};

SkinSet& Skin() {
    static SkinSet skin;  // released when the process ends
    return skin;
}

}  // namespace

bool LoadSkinBitmaps() {
    SkinSet& skin = Skin();
    bool complete = true;
    for (int i = 0; i < kSkinCount; ++i) {
        skin.bitmaps[i].Reset(static_cast<HBITMAP>(
            LoadImageA(ui::ResourceModule(), MAKEINTRESOURCEA(kSkinIds[i]), IMAGE_BITMAP, 0, 0, 0)));
        complete = complete && skin.bitmaps[i];
    }
    skin.buttons.style = 4;
    skin.buttons.normal = SkinBitmap(IDB_SKIN_BUTTON_NORMAL);
    skin.buttons.pressed = SkinBitmap(IDB_SKIN_BUTTON_PRESSED);
    skin.buttons.focused = SkinBitmap(IDB_SKIN_BUTTON_FOCUSED);
    skin.buttons.hover = SkinBitmap(IDB_SKIN_BUTTON_HOVER);
    return complete;
}

HBITMAP SkinBitmap(int resourceId) {
    for (int i = 0; i < kSkinCount; ++i) {
        if (kSkinIds[i] == resourceId) return Skin().bitmaps[i].Get();
    }
    return nullptr;
}

const SkinButtonDefaults& ButtonDefaults() { return Skin().buttons; }

}  // namespace privacy
