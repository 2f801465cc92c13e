#include "privacy/look/dialog_skin.h"

#include "platform/ui/module.h"
#include "privacy/look/dc_scope.h"
#include "privacy/look/skin_bitmaps.h"
#include "privacy/look/skin_draw.h"
#include "privacy/look/skin_res.h"

namespace privacy {
namespace {

constexpr int kCaptionButtonStyle = 3;

}  // namespace

CDialogSkin1::CDialogSkin1(int templateId)
    : Dialog(templateId),
      icon_(static_cast<HICON>(LoadImageA(ui::ResourceModule(), MAKEINTRESOURCEA(IDI_CORBELT), IMAGE_ICON,
                                          0, 0, LR_DEFAULTSIZE))) {}

CDialogSkin1::~CDialogSkin1() {
    if (icon_) DestroyIcon(icon_);
}

bool CDialogSkin1::OnInitDialog() {
    Dialog::OnInitDialog();
    Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    RECT client;
    GetClientRect(Handle(), &client);
    const int w = client.right;
    if (close_.Create("", {w - 24, 8, w - 8, 24}, Handle(), IDC_SKIN_CLOSE)) {
        close_.SetStyle(kCaptionButtonStyle);
        close_.SetFaces(SkinBitmap(IDB_SKIN_CLOSE_NORMAL), SkinBitmap(IDB_SKIN_CLOSE_PRESSED),
                        SkinBitmap(IDB_SKIN_CLOSE_FOCUSED), SkinBitmap(IDB_SKIN_CLOSE_FOCUSED));
    }
    if (minimise_.Create("", {w - 44, 8, w - 28, 24}, Handle(), IDC_SKIN_MINIMISE)) {
        minimise_.SetStyle(kCaptionButtonStyle);
        minimise_.SetFaces(SkinBitmap(IDB_SKIN_MINIMISE_NORMAL), SkinBitmap(IDB_SKIN_MINIMISE_PRESSED),
                           SkinBitmap(IDB_SKIN_MINIMISE_FOCUSED), SkinBitmap(IDB_SKIN_MINIMISE_FOCUSED));
    }
    ApplyWindowRegion();
    return true;
}

bool CDialogSkin1::OnCommand(UINT id, UINT code, HWND control) {
    switch (id) {
    case IDC_SKIN_MINIMISE:
        ShowWindow(Handle(), SW_MINIMIZE);
        return true;
    case IDC_SKIN_CLOSE:
        OnCancel();
        return true;
    }
    return Dialog::OnCommand(id, code, control);
}

bool CDialogSkin1::LeftButtonDown() const {
    const int button = GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    return (GetAsyncKeyState(button) & 0x8000) != 0;
}

LRESULT CDialogSkin1::OnHitTest(WPARAM wp, LPARAM lp) {
    const LRESULT hit = DefWindowProcA(Handle(), WM_NCHITTEST, wp, lp);
    if (hit != HTCLIENT) return hit;
    POINT point = {static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
    ScreenToClient(Handle(), &point);
    const int caption = CurrentSkinLayout(0, 0).captionHeight;
    return IsCaptionDrag(LeftButtonDown(), point.y, caption) ? HTCAPTION : HTCLIENT;
}

void CDialogSkin1::PaintSkin(HDC dc) {
    RECT client;
    GetClientRect(Handle(), &client);
    if (IsIconic(Handle())) {
        Send(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc));
        const int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
        const int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
        DrawIcon(dc, x, y, icon_);
        return;
    }
    SkinPaint paint;
    paint.width = client.right;
    paint.height = client.bottom;
    paint.icon = icon_;
    paint.title = GetText();
    paint.active = active_;
    paint.font = reinterpret_cast<HFONT>(Send(WM_GETFONT));
    PaintSkinFrame(dc, paint);
}

// Cuts the key-coloured pixels of the two top corners out of the window, so
// the rounded corners show what lies behind the window.
void CDialogSkin1::ApplyWindowRegion() {
    RECT window, client;
    GetWindowRect(Handle(), &window);
    GetClientRect(Handle(), &client);
    POINT origin = {0, 0};
    ClientToScreen(Handle(), &origin);
    const int dx = origin.x - window.left;
    const int dy = origin.y - window.top;
    HRGN region = CreateRectRgn(0, 0, window.right - window.left, window.bottom - window.top);
    const SkinFrameLayout layout = CurrentSkinLayout(client.right, client.bottom);
    const struct { SkinRect rect; HBITMAP bitmap; } corners[] = {
        {layout.topLeft, SkinBitmap(IDB_SKIN_TOP_LEFT)},
        {layout.topRight, SkinBitmap(IDB_SKIN_TOP_RIGHT)},
    };
    ClientDc screen(nullptr);
    for (const auto& corner : corners) {
        if (!corner.bitmap) continue;
        MemoryDc dc(screen.Get());
        Selection selected(dc.Get(), corner.bitmap);
        for (int y = 0; y < corner.rect.Height(); ++y) {
            for (int x = 0; x < corner.rect.Width(); ++x) {
                if (GetPixel(dc.Get(), x, y) != RGB(0, 255, 0)) continue;
                const int px = dx + corner.rect.left + x;
                const int py = dy + corner.rect.top + y;
                HRGN pixel = CreateRectRgn(px, py, px + 1, py + 1);
                CombineRgn(region, region, pixel, RGN_DIFF);
                DeleteObject(pixel);
            }
        }
    }
    if (!SetWindowRgn(Handle(), region, TRUE)) DeleteObject(region);
}

LRESULT CDialogSkin1::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_PAINT: {
        PaintDc dc(Handle());
        PaintSkin(dc.Get());
        return 0;
    }
    case WM_ERASEBKGND:
        return TRUE;
    case WM_CTLCOLORSTATIC:
        SetBkMode(reinterpret_cast<HDC>(wp), TRANSPARENT);
        return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    case WM_NCHITTEST:
        return OnHitTest(wp, lp);
    case WM_ACTIVATE: {
        LRESULT result = Dialog::WindowProc(msg, wp, lp);
        active_ = LOWORD(wp) != WA_INACTIVE;
        RECT client;
        GetClientRect(Handle(), &client);
        const int caption = CurrentSkinLayout(0, 0).captionHeight;
        RECT title = {caption + 7, 0, client.right, caption};
        InvalidateRect(Handle(), &title, FALSE);
        return result;
    }
    case WM_SIZE:
        if (wp != SIZE_MINIMIZED) ApplyWindowRegion();
        break;
    case WM_QUERYDRAGICON:
        return reinterpret_cast<LRESULT>(icon_);
    }
    return Dialog::WindowProc(msg, wp, lp);
}

}  // namespace privacy
