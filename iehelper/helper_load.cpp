#include "iehelper/helper_load.h"

#include "common/suite/blinkward.h"
#include "iehelper/instance_count.h"

namespace iehelper {

bool HelperLoad::Attach(HostKind host) {
    if (host == HostKind::Explorer) return false;
    if (host != HostKind::Browser) return true;
    const bool running = link_.BlockerRunning();
    if (!running) {
        if (link_.StartupMode() != suite::blinkward::kStartWithBrowser) return false;
        link_.StartBlocker();
    }
    CountBrowserIn(count_, running);
    counted_ = true;
    return true;
}

void HelperLoad::Detach() {
    if (!counted_) return;
    counted_ = false;
    if (CountBrowserOut(count_) == 0) link_.NotifyLastBrowserClosed();
}

}  // namespace iehelper
