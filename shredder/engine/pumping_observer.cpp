#include "shredder/engine/pumping_observer.h"

#include <windows.h>

namespace shredder {

bool PumpingObserver::ShouldAbort() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return false;
}

}  // namespace shredder
