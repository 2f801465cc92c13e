#pragma once
// The count of browser processes that hold the helper, shared by every
// process that loads it. Each change is one atomic step, so browsers that
// start or end at the same moment never lose an update.
#include <windows.h>

namespace iehelper {

// Counts one browser in. When the popup blocker already ran and the count
// stood at 0, the count is raised by one more (the bias), so that a blocker
// the browsers did not start is never told to quit.
void CountBrowserIn(volatile LONG& count, bool blockerAlreadyRunning);

// Counts one browser out and returns what is left; the count never goes
// below 0.
LONG CountBrowserOut(volatile LONG& count);

}  // namespace iehelper
