#include "privacy/look/gold_button.h"

#include "platform/ui/gdi.h"
#include "platform/ui/module.h"
#include "privacy/look/dc_scope.h"
#include "privacy/look/look_messages.h"
#include "privacy/look/mouse_tracking.h"
#include "privacy/look/skin_classes.h"
#include "privacy/look/skin_draw.h"

namespace privacy {
namespace {

SkinRect ToSkin(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

bool CGoldButton::Create(const std::string& caption, const RECT& rect, HWND parent, int id) {
    HWND hwnd = CreateWindowExA(0, kTabClass, caption.c_str(), WS_CHILD | WS_VISIBLE, rect.left, rect.top,
                                rect.right - rect.left, rect.bottom - rect.top, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ui::ResourceModule(),
                                nullptr);
    if (!hwnd) return false;
    if (!Subclass(hwnd)) {
        DestroyWindow(hwnd);
        return false;
    }
    MarkOwned();
    return true;
}

void CGoldButton::SetFaces(HBITMAP normal, HBITMAP pressed) {
    normalFace_ = normal;
    pressedFace_ = pressed;
}

void CGoldButton::SetColors(COLORREF frame, COLORREF highlight) {
    frame_ = frame;
    highlight_ = highlight;
}

void CGoldButton::SetPressed(bool pressed) {
    if (pressed_ == pressed) return;
    pressed_ = pressed;
    if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
}

void CGoldButton::Toggle() {
    SetPressed(!pressed_);
    SendMessageA(GetParent(Handle()), WM_GOLD_BUTTON_TOGGLED, GetDlgCtrlID(Handle()), pressed_ ? 1 : 0);
}

// A whole-button paint shows the highlight colour only under the mouse;
// the frame-only redraw of a mouse move or leave also on the chosen tab.
void CGoldButton::DrawFrame(HDC dc, const RECT& client, bool highlighted) const {
    RECT face = ToRect(GoldFaceRect(ToSkin(client), pressed_));
    ui::Brush brush(CreateSolidBrush(highlighted ? highlight_ : frame_));
    FrameRect(dc, &face, brush.Get());
}

void CGoldButton::Paint(HDC dc, const RECT& client) const {
    Selection font(dc, SkinClasses().tabFont);
    if (!pressed_) {
        RECT shadow = ToRect(GoldShadowRect(ToSkin(client)));
        ui::Brush grey(CreateSolidBrush(RGB(128, 128, 128)));
        FillRect(dc, &shadow, grey.Get());
    }
    RECT face = ToRect(GoldFaceRect(ToSkin(client), pressed_));
    DrawBitmap(dc, face, pressed_ ? pressedFace_ : normalFace_, stretch_);
    const std::string caption = Handle() ? GetText() : std::string();
    const int oldBk = SetBkMode(dc, TRANSPARENT);
    DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &face,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SetBkMode(dc, oldBk);
    DrawFrame(dc, client, hover_);
}

void CGoldButton::RedrawFrame() {
    RECT client;
    GetClientRect(Handle(), &client);
    ClientDc dc(Handle());
    DrawFrame(dc.Get(), client, hover_ || pressed_);
}

void CGoldButton::SetHover(bool hover) {
    if (hover_ == hover) return;
    hover_ = hover;
    RedrawFrame();
}

LRESULT CGoldButton::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_PAINT: {
        PaintDc dc(Handle());
        RECT client;
        GetClientRect(Handle(), &client);
        Paint(dc.Get(), client);
        return 0;
    }
    case WM_MOUSEMOVE:
        if (!hover_) {
            SetHover(true);
            TrackMouseLeaveAndHover(Handle());
        }
        return 0;
    case WM_MOUSELEAVE:
        SetHover(false);
        return 0;
    case WM_MOUSEHOVER:
        TrackMouseLeaveAndHover(Handle());
        return 0;
    case WM_CAPTURECHANGED:
        SetHover(false);
        break;
    case WM_LBUTTONDOWN:
        Toggle();
        return 0;
    case WM_KEYDOWN:
        if (wp == VK_RETURN || wp == VK_SPACE) {
            Toggle();
            return 0;
        }
        break;
    case WM_GETDLGCODE: {
        // Enter toggles the tab instead of pressing the dialog's default button.
        const MSG* key = reinterpret_cast<const MSG*>(lp);
        const bool enter = key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN;
        return DLGC_WANTCHARS | (enter ? DLGC_WANTMESSAGE : 0);
    }
    }
    return Window::WindowProc(msg, wp, lp);
}

}  // namespace privacy
