#pragma once
// Where the system-information tool of the About box lives.
#include <string>

namespace startup {

// The tool's path from the shared tools' registry keys; "" when it is not
// installed.
std::string FindSysInfoPath();

}  // namespace startup
