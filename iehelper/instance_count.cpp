#include "iehelper/instance_count.h"

namespace iehelper {

void CountBrowserIn(volatile LONG& count, bool blockerAlreadyRunning) {
    for (;;) {
        const LONG old = count;
        const LONG next = old == 0 && blockerAlreadyRunning ? 2 : old + 1;
        if (InterlockedCompareExchange(&count, next, old) == old) return;
    }
}

LONG CountBrowserOut(volatile LONG& count) {
    for (;;) {
        const LONG old = count;
        if (old <= 0) return 0;
        if (InterlockedCompareExchange(&count, old - 1, old) == old) return old - 1;
    }
}

}  // namespace iehelper
