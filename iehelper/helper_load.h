#pragma once
// What the helper does when a process loads and unloads it: it never stays
// in Explorer; in a browser it starts the popup blocker when the user chose
// to start it with the browser, refuses to stay when the blocker neither runs
// nor is to be started, and counts the browser in the shared count; the last
// browser out tells the blocker to quit.
#include <windows.h>

#include "iehelper/host_process.h"

namespace iehelper {

// The popup blocker as the helper sees it.
class BlockerLink {
public:
    virtual ~BlockerLink() = default;
    // Its window exists.
    virtual bool BlockerRunning() = 0;
    // `Startup` of its engine settings (0 when unset).
    virtual int StartupMode() = 0;
    virtual void StartBlocker() = 0;
    // Posts WM_LAST_BROWSER_CLOSED to its window, when there is one.
    virtual void NotifyLastBrowserClosed() = 0;
};

// One per process: remembers whether this process was counted in, so that
// an unload after a refused load changes nothing.
class HelperLoad {
public:
    HelperLoad(volatile LONG& count, BlockerLink& link) : count_(count), link_(link) {}

    // False: the helper refuses to stay in this process.
    bool Attach(HostKind host);
    void Detach();

private:
    volatile LONG& count_;
    BlockerLink& link_;
    bool counted_ = false;
};

}  // namespace iehelper
