#include "privacy/look/skin_button.h"

#include "platform/ui/gdi.h"
#include "privacy/look/dc_scope.h"
#include "privacy/look/mouse_tracking.h"
#include "privacy/look/skin_bitmaps.h"
#include "privacy/look/skin_draw.h"
#include "platform/ui/module.h"

namespace privacy {

bool CSkinButton::Bind(HWND button) {
    if (!button || !Subclass(button)) return false;
    LONG_PTR style = GetWindowLongPtrA(button, GWL_STYLE);
    SetWindowLongPtrA(button, GWL_STYLE, (style & ~static_cast<LONG_PTR>(BS_TYPEMASK)) | BS_OWNERDRAW);
    const SkinButtonDefaults& defaults = ButtonDefaults();
    style_ = defaults.style;
    normal_ = defaults.normal;
    pressed_ = defaults.pressed;
    focused_ = defaults.focused;
    hoverFace_ = defaults.hover;
    InvalidateRect(button, nullptr, FALSE);
    return true;
}

bool CSkinButton::Create(const std::string& caption, const RECT& rect, HWND parent, int id) {
    HWND button = CreateWindowExA(0, "BUTTON", caption.c_str(), WS_CHILD | WS_VISIBLE | BS_OWNERDRAW,
                                  rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top,
                                  parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                  ui::ResourceModule(), nullptr);
    if (!button) return false;
    if (Bind(button)) {
        MarkOwned();
        return true;
    }
    DestroyWindow(button);
    return false;
}

void CSkinButton::SetFaces(HBITMAP normal, HBITMAP pressed, HBITMAP focused, HBITMAP hover) {
    if (normal) normal_ = normal;
    if (pressed) pressed_ = pressed;
    if (focused) focused_ = focused;
    if (hover) hoverFace_ = hover;
    if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

void CSkinButton::Draw(HDC dc, const RECT& rect, bool pressed, bool focused, bool disabled) const {
    const bool faces = normal_ && pressed_ && focused_ && hoverFace_;
    if (faces) {
        HBITMAP face = normal_;
        switch (ChooseButtonFace(pressed, hover_, focused)) {
        case ButtonFace::Pressed: face = pressed_; break;
        case ButtonFace::Hover: face = hoverFace_; break;
        case ButtonFace::Focused: face = focused_; break;
        case ButtonFace::Normal: break;
        }
        DrawBitmap(dc, rect, face, true);
        if (style_ == 4) {
            const COLORREF topLeft = pressed ? text_ : highlight_;
            const COLORREF bottomRight = pressed ? highlight_ : text_;
            RECT line = {rect.left, rect.top, rect.right, rect.top + 1};
            ui::Brush light(CreateSolidBrush(topLeft));
            ui::Brush dark(CreateSolidBrush(bottomRight));
            FillRect(dc, &line, light.Get());
            line = {rect.left, rect.top, rect.left + 1, rect.bottom};
            FillRect(dc, &line, light.Get());
            line = {rect.right - 1, rect.top, rect.right, rect.bottom};
            FillRect(dc, &line, dark.Get());
            line = {rect.left, rect.bottom - 1, rect.right, rect.bottom};
            FillRect(dc, &line, dark.Get());
        }
    }
    const std::string caption = Handle() ? GetText() : std::string();
    if (caption.empty()) return;
    Selection font(dc, Handle() ? reinterpret_cast<HFONT>(Send(WM_GETFONT)) : nullptr);
    SIZE extent = {};
    GetTextExtentPoint32A(dc, caption.c_str(), static_cast<int>(caption.size()), &extent);
    int x = rect.left + (rect.right - rect.left - extent.cx) / 2;
    int y = rect.top + (rect.bottom - rect.top - extent.cy) / 2;
    if (pressed) {
        x += 2;
        y += 2;
    }
    const int oldBk = SetBkMode(dc, TRANSPARENT);
    const COLORREF oldText = GetTextColor(dc);
    if (disabled) {
        SetTextColor(dc, highlight_);
        TextOutA(dc, x + 1, y + 1, caption.c_str(), static_cast<int>(caption.size()));
    }
    SetTextColor(dc, text_);
    TextOutA(dc, x, y, caption.c_str(), static_cast<int>(caption.size()));
    SetTextColor(dc, oldText);
    SetBkMode(dc, oldBk);
}

bool CSkinButton::OnReflectedDrawItem(DRAWITEMSTRUCT& item) {
    Draw(item.hDC, item.rcItem, (item.itemState & ODS_SELECTED) != 0, (item.itemState & ODS_FOCUS) != 0,
         (item.itemState & ODS_DISABLED) != 0);
    return true;
}

void CSkinButton::SetHover(bool hover) {
    if (hover_ == hover) return;
    hover_ = hover;
    InvalidateRect(Handle(), nullptr, FALSE);
}

LRESULT CSkinButton::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_MOUSEMOVE:
        if (!hover_) TrackMouseLeaveAndHover(Handle());
        hover_ = true;
        InvalidateRect(Handle(), nullptr, FALSE);
        break;
    case WM_MOUSELEAVE:
        SetHover(false);
        return 0;
    case WM_MOUSEHOVER:
        TrackMouseLeaveAndHover(Handle());
        return 0;
    case WM_CAPTURECHANGED:
        // A press that ends outside the button never sees the mouse leave.
        if (reinterpret_cast<HWND>(lp) != Handle()) SetHover(false);
        break;
    case WM_ERASEBKGND:
        return TRUE;
    }
    return Button::WindowProc(msg, wp, lp);
}

}  // namespace privacy
