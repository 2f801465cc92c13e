#pragma once
// One run of the program: a single instance shows the main form until it
// is closed. A second instance ends at once, before it has read or written
// anything.
#include "startup/app/main_form.h"

namespace startup {

constexpr char kInstanceName[] = "Velmora Ferrowend Quarrow";

// 0 after the main form closed, 1 when another instance runs.
int RunQuarrow(const QuarrowSeams& seams, const char* instanceName = kInstanceName);

}  // namespace startup
