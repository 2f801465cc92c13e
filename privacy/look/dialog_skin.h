// CDialogSkin1: the base of Corbelt's top-level windows. A dialog without a
// system caption that paints the skin frame, a caption strip with the
// program icon and title, and two skinned caption buttons: minimise (15000)
// and close (15001, cancels the dialog). The window is dragged by its
// caption strip. Derived dialogs call OnInitDialog first.
#pragma once
#include <windows.h>

#include "platform/ui/dialog.h"
#include "privacy/look/skin_button.h"

namespace privacy {

class CDialogSkin1 : public ui::Dialog {
public:
    explicit CDialogSkin1(int templateId);
    ~CDialogSkin1() override;

    HICON ProgramIcon() const { return icon_; }
    CSkinButton& CloseButton() { return close_; }
    CSkinButton& MinimiseButton() { return minimise_; }

protected:
    bool OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

    // Whether the left mouse button is down now (tests stand in for the mouse).
    virtual bool LeftButtonDown() const;
    // The skinned paint; minimised, the icon alone.
    void PaintSkin(HDC dc);

private:
    LRESULT OnHitTest(WPARAM wp, LPARAM lp);
    void ApplyWindowRegion();

    CSkinButton close_;
    CSkinButton minimise_;
    HICON icon_;
    bool active_ = false;
};

}  // namespace privacy
