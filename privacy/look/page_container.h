// CPageContainer: the pages of the main window, modeless child dialogs
// placed in a frame rectangle and shown one at a time. The container owns
// the page objects and their windows.
#pragma once
#include <windows.h>

#include <memory>
#include <vector>

#include "platform/ui/dialog.h"

namespace privacy {

class CPageContainer {
public:
    CPageContainer() = default;
    ~CPageContainer() = default;
    CPageContainer(const CPageContainer&) = delete;
    CPageContainer& operator=(const CPageContainer&) = delete;

    // The frame in screen coordinates; centre: pages are centred in it,
    // otherwise their top-left corner is the frame's.
    void SetFrame(const RECT& screenFrame, bool centre);
    const RECT& Frame() const { return frame_; }

    // Appends the page and creates it, hidden, as a child dialog of `parent`
    // from its own template, placed in the frame. False for a null page;
    // a page whose window cannot be created is kept without a window.
    bool AddPage(HWND parent, std::unique_ptr<ui::Dialog> page);

    // Shows page `index` and hides the current one. -1: the current page
    // again, or page 0 when none is current. False, changing nothing, for an
    // index outside the pages; false when the page has no window.
    bool ShowPage(int index);

    int Current() const { return current_; }
    int Count() const { return static_cast<int>(pages_.size()); }
    ui::Dialog* Page(int index) const;

private:
    std::vector<std::unique_ptr<ui::Dialog>> pages_;
    int current_ = -1;
    RECT frame_ = {};
    bool centre_ = false;
};

}  // namespace privacy
