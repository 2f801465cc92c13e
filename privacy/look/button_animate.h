// CButtonAnimate: the vertical tab bar, a window of class "ButtonAnimate"
// holding up to 20 CGoldButton tabs stacked top to bottom. Exactly one tab
// is the selected one; choosing a tab (or the selected one again) tells the
// parent with WM_TAB_SELECTED.
#pragma once
#include <memory>
#include <string>

#include "privacy/look/gold_button.h"

namespace privacy {

class CButtonAnimate : public ui::Window {
public:
    static constexpr int kMaxTabs = 20;

    // A child of class "ButtonAnimate" (RegisterSkinWindowClasses first);
    // WS_CHILD is added to `style`.
    bool Create(const RECT& rect, HWND parent, int id, DWORD style = WS_VISIBLE);

    // Height of the tabs; their width is the bar's client width less 12.
    void SetButtonHeight(int height);
    // Adds a tab below the others; nothing when kMaxTabs exist. The first
    // tab starts pressed and selected.
    bool AddTab(const std::string& caption, HBITMAP normal, HBITMAP pressed, bool stretch,
                COLORREF frame, COLORREF highlight);

    int TabCount() const { return count_; }
    int Selected() const { return selected_; }
    CGoldButton* Tab(int index);
    void SetTabText(int index, const std::string& text);

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void OnTabToggled(WPARAM id, LPARAM pressed);

    std::unique_ptr<CGoldButton> tabs_[kMaxTabs];
    int count_ = 0;
    int buttonHeight_ = 0;
    int buttonWidth_ = 0;
    int selected_ = 0;
};

}  // namespace privacy
