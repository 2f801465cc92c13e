#pragma once
// The paths of a shell drop (dragged files, or the selection a shell
// extension is given), each under the spelling that names it: read wide on
// the NT family, so a name the ANSI code page cannot hold comes as its short
// name, or is set apart in `unnamed` (see ansi_names.h).
#include <windows.h>
#include <shellapi.h>

#include "common/files/ansi_names.h"

namespace files {

NamedPaths ReadDroppedPaths(HDROP drop);

}  // namespace files
