// CGoldButton: one tab of the tab bar, a toggle button of window class
// "GoldButton" painted from a normal and a pressed face (shared, not owned)
// with a one-pixel frame that takes the highlight colour while the mouse is
// over it or it is pressed. A click, Enter or Space toggles it and tells the
// parent with WM_GOLD_BUTTON_TOGGLED.
#pragma once
#include <string>

#include "platform/ui/window.h"

namespace privacy {

class CGoldButton : public ui::Window {
public:
    // A visible child of class "GoldButton" (RegisterSkinWindowClasses first).
    bool Create(const std::string& caption, const RECT& rect, HWND parent, int id);

    void SetFaces(HBITMAP normal, HBITMAP pressed);
    void SetStretch(bool stretch) { stretch_ = stretch; }
    void SetColors(COLORREF frame, COLORREF highlight);
    void SetPressed(bool pressed);
    bool Pressed() const { return pressed_; }
    bool Hovering() const { return hover_; }
    // Flips the pressed state, repaints and notifies the parent.
    void Toggle();

    // Paints the whole button into `dc` for a client rectangle.
    void Paint(HDC dc, const RECT& client) const;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void DrawFrame(HDC dc, const RECT& client, bool highlighted) const;
    void RedrawFrame();
    void SetHover(bool hover);

    bool hover_ = false;
    bool pressed_ = false;
    bool stretch_ = false;
    COLORREF frame_ = RGB(255, 0, 0);
    COLORREF highlight_ = RGB(0, 128, 0);
    HBITMAP pressedFace_ = nullptr;
    HBITMAP normalFace_ = nullptr;
};

}  // namespace privacy
