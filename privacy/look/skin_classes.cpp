#include "privacy/look/skin_classes.h"

#include "platform/ui/gdi.h"
#include "platform/ui/module.h"
#include "privacy/look/dc_scope.h"
#include "privacy/look/skin_res.h"

namespace privacy {
namespace {

struct Shared {
    ui::Bitmap tabNormal;
    ui::Bitmap tabPressed;
    ui::Brush background;
    ui::Font font;
    SkinClassResources view;
    bool barRegistered = false;
    bool tabRegistered = false;
};

Shared& State() {
    static Shared shared;  // released when the process ends
    return shared;
}

HFONT CreateTabFont() {
    ClientDc screen(nullptr);
    const int height = -MulDiv(10, GetDeviceCaps(screen.Get(), LOGPIXELSY), 72);
    return CreateFontA(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                       CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, "System");
}

bool Register(const char* name, HCURSOR cursor, HBRUSH background) {
    WNDCLASSA wc = {};
    if (GetClassInfoA(ui::ResourceModule(), name, &wc)) return true;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = ui::ResourceModule();
    wc.hIcon = LoadIcon(nullptr, IDI_WINLOGO);
    wc.hCursor = cursor ? cursor : LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    return RegisterClassA(&wc) != 0;
}

HBITMAP LoadBitmapResource(int id) {
    return static_cast<HBITMAP>(LoadImageA(ui::ResourceModule(), MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, 0));
}

}  // namespace

bool RegisterSkinWindowClasses() {
    Shared& s = State();
    if (!s.tabNormal) s.tabNormal.Reset(LoadBitmapResource(IDB_TAB_NORMAL));
    if (!s.tabPressed) s.tabPressed.Reset(LoadBitmapResource(IDB_TAB_PRESSED));
    if (!s.background) s.background.Reset(CreateSolidBrush(RGB(224, 228, 232)));
    if (!s.font) s.font.Reset(CreateTabFont());
    s.view = {s.tabNormal.Get(), s.tabPressed.Get(), s.background.Get(), s.font.Get()};
    if (!s.barRegistered) s.barRegistered = Register(kTabBarClass, nullptr, s.background.Get());
    if (!s.tabRegistered) {
        HCURSOR hand = LoadCursorA(ui::ResourceModule(), MAKEINTRESOURCEA(IDC_TAB_CURSOR));
        s.tabRegistered = Register(kTabClass, hand, s.background.Get());
    }
    return s.barRegistered && s.tabRegistered;
}

const SkinClassResources& SkinClasses() { return State().view; }

}  // namespace privacy
