#include "privacy/look/page_container.h"

#include "privacy/look/skin_rules.h"

namespace privacy {

void CPageContainer::SetFrame(const RECT& screenFrame, bool centre) {
    frame_ = screenFrame;
    centre_ = centre;
}

bool CPageContainer::AddPage(HWND parent, std::unique_ptr<ui::Dialog> page) {
    if (!page) return false;
    ui::Dialog* added = page.get();
    pages_.push_back(std::move(page));
    if (!added->Create(parent)) return true;
    HWND hwnd = added->Handle();
    RECT placed;
    GetWindowRect(hwnd, &placed);
    const SkinPoint target = PagePosition({frame_.left, frame_.top, frame_.right, frame_.bottom},
                                         {placed.right - placed.left, placed.bottom - placed.top}, centre_);
    POINT at = {placed.left, placed.top};
    ScreenToClient(parent, &at);
    SetWindowPos(hwnd, nullptr, at.x + target.x - placed.left, at.y + target.y - placed.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return true;
}

ui::Dialog* CPageContainer::Page(int index) const {
    return index >= 0 && index < Count() ? pages_[index].get() : nullptr;
}

bool CPageContainer::ShowPage(int index) {
    if (index < -1 || index >= Count()) return false;
    if (index == -1) {
        if (current_ < 0) {
            if (Count() == 0) return false;
            current_ = 0;
        }
    } else {
        if (ui::Dialog* old = Page(current_)) {
            if (!old->Handle()) return false;
            ShowWindow(old->Handle(), SW_HIDE);
        }
        current_ = index;
    }
    HWND shown = Page(current_)->Handle();
    if (!shown) return false;
    ShowWindow(shown, SW_SHOW);
    InvalidateRect(shown, nullptr, TRUE);
    UpdateWindow(shown);
    return true;
}

}  // namespace privacy
