// CSkinButton: an owner-drawn push button painted from four face bitmaps
// (normal, pressed, focused, hovered) that it shares with the skin and
// never owns. Style 4 adds a one-pixel raised or sunk edge; style 3 shows
// the face alone. Its hover state lives in the object, never in the
// window's user-data word.
#pragma once
#include <string>

#include "platform/ui/controls.h"

namespace privacy {

class CSkinButton : public ui::Button {
public:
    // Binds an existing push button, makes it owner-drawn and gives it the
    // skin's default style and faces. False when the window cannot be bound.
    bool Bind(HWND button);
    bool BindDlgItem(int id, HWND parent) { return Bind(GetDlgItem(parent, id)); }
    // A new visible owner-drawn child button, bound as above.
    bool Create(const std::string& caption, const RECT& rect, HWND parent, int id);

    // Each non-null face replaces the one held; the button is redrawn.
    void SetFaces(HBITMAP normal, HBITMAP pressed, HBITMAP focused, HBITMAP hover);
    void SetStyle(int style) { style_ = style; }
    bool Hovering() const { return hover_; }

    // Paints one state of the button into `dc` over `rect`.
    void Draw(HDC dc, const RECT& rect, bool pressed, bool focused, bool disabled) const;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    bool OnReflectedDrawItem(DRAWITEMSTRUCT& item) override;

private:
    void SetHover(bool hover);

    bool hover_ = false;
    COLORREF highlight_ = RGB(255, 255, 255);
    COLORREF text_ = RGB(0, 0, 0);
    HBITMAP normal_ = nullptr;
    HBITMAP pressed_ = nullptr;
    HBITMAP focused_ = nullptr;
    HBITMAP hoverFace_ = nullptr;
    int style_ = 4;
};

}  // namespace privacy
