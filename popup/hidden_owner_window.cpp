#include "popup/hidden_owner_window.h"

#include "common/suite/blinkward.h"
#include "popup/res/resource_ids.h"

namespace popup {

bool HiddenOwnerWindow::Create(const std::string& title) {
    const RECT empty = {0, 0, 0, 0};
    return ui::Window::Create(WS_EX_TOOLWINDOW, title, 0, empty, nullptr);
}

LRESULT HiddenOwnerWindow::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == suite::blinkward::WM_LAST_BROWSER_CLOSED) {
        onLastBrowserClosed_();
        return 0;
    }
    return ui::Window::WindowProc(msg, wp, lp);
}

}  // namespace popup
