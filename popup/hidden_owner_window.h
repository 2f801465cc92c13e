#pragma once
// The hidden top-level tool window whose title the browser helper and the
// uninstaller look for: never shown; it owns the counter window. The helper posts it
// WM_LAST_BROWSER_CLOSED when the last browser window has gone.
#include <functional>
#include <string>

#include "platform/ui/window.h"

namespace popup {

class HiddenOwnerWindow : public ui::Window {
public:
    explicit HiddenOwnerWindow(std::function<void()> onLastBrowserClosed)
        : onLastBrowserClosed_(std::move(onLastBrowserClosed)) {}
    ~HiddenOwnerWindow() override { Destroy(); }

    bool Create(const std::string& title);

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    std::function<void()> onLastBrowserClosed_;
};

}  // namespace popup
