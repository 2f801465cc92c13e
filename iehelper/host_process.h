#pragma once
// Which program has loaded the helper, told by the file name of its
// executable alone (a folder that merely mentions a name does not count).
#include <string>

namespace iehelper {

enum class HostKind {
    Browser,   // iexplore.exe
    Explorer,  // explorer.exe: the helper never stays there
    Other,     // regsvr32, an installer, a test
};

// `exePath` is a full path or a bare file name, any case.
HostKind ClassifyHost(const std::string& exePath);

// The executable of the current process.
std::string CurrentProcessPath();

}  // namespace iehelper
