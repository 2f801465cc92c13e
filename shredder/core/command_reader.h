#pragma once
// The command line a run was given. On the NT family it is read wide, so
// an item whose name the ANSI code page cannot hold is given as its short
// name, or set apart among the unnamed items when it has none: never
// shredded under a best-fit spelling, which may name another file.
#include <string>

#include "common/suite/scourwell.h"

namespace shredder {

// `ansiTail`: the ANSI line after the program's name, used where the
// system gives no wide line (Windows 95, 98, Me).
suite::scourwell::ShredCommand ReadShredCommand(const std::string& ansiTail);

}  // namespace shredder
