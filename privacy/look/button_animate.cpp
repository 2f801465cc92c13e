#include "privacy/look/button_animate.h"

#include "platform/ui/module.h"
#include "privacy/look/dc_scope.h"
#include "privacy/look/look_messages.h"
#include "privacy/look/skin_classes.h"
#include "privacy/look/skin_draw.h"

namespace privacy {

bool CButtonAnimate::Create(const RECT& rect, HWND parent, int id, DWORD style) {
    HWND hwnd = CreateWindowExA(0, kTabBarClass, "", style | WS_CHILD, rect.left, rect.top,
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

void CButtonAnimate::SetButtonHeight(int height) {
    RECT client = {};
    GetClientRect(Handle(), &client);
    buttonHeight_ = height;
    buttonWidth_ = client.right - 12;
}

bool CButtonAnimate::AddTab(const std::string& caption, HBITMAP normal, HBITMAP pressed, bool stretch,
                            COLORREF frame, COLORREF highlight) {
    if (count_ >= kMaxTabs) return false;
    const int n = count_;
    auto tab = std::make_unique<CGoldButton>();
    if (!tab->Create(caption, ToRect(TabRect(n, buttonWidth_, buttonHeight_)), Handle(), n)) return false;
    tab->SetFaces(normal, pressed);
    tab->SetStretch(stretch);
    tab->SetColors(frame, highlight);
    if (n == 0) {
        tab->SetPressed(true);
        selected_ = 0;
    }
    tabs_[n] = std::move(tab);
    ++count_;
    return true;
}

CGoldButton* CButtonAnimate::Tab(int index) {
    return index >= 0 && index < count_ ? tabs_[index].get() : nullptr;
}

void CButtonAnimate::SetTabText(int index, const std::string& text) {
    if (CGoldButton* tab = Tab(index)) {
        tab->SetText(text);
        InvalidateRect(tab->Handle(), nullptr, TRUE);
    }
}

// The old tab pops up (or, clicked again, is pressed again); a tab that
// went down becomes the selection.
void CButtonAnimate::OnTabToggled(WPARAM id, LPARAM pressed) {
    if (CGoldButton* old = Tab(selected_)) old->SetPressed(!old->Pressed());
    const int clicked = static_cast<int>(id);
    if (pressed && Tab(clicked)) selected_ = clicked;
    SendMessageA(GetParent(Handle()), WM_TAB_SELECTED, GetDlgCtrlID(Handle()), selected_);
}

LRESULT CButtonAnimate::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_GOLD_BUTTON_TOGGLED:
        OnTabToggled(wp, lp);
        return 0;
    case WM_PAINT: {
        PaintDc dc(Handle());  // the class brush is the whole look
        return 0;
    }
    }
    return Window::WindowProc(msg, wp, lp);
}

}  // namespace privacy
