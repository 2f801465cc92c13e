#pragma once
// Ending the Windows session for the Apply menu (log off, restart): the
// menu's option mapped to the system's flags, and the call that carries it
// out with the shutdown privilege enabled.
#include <windows.h>
// The system headers define ExitWindows as a macro; the class below names
// its method after it.
#undef ExitWindows

namespace startup {

// ExitWindowsEx flags for an option: 0 log off, 1 shut down, 2 restart,
// 8 power off. The force flag is never set: programs are asked to close and
// may save their work. False for any other option.
bool ExitFlagsFor(long option, unsigned* flags);

// The system call, behind a seam so tests never end their session.
using ExitWindowsCall = bool (*)(unsigned flags);
bool SystemExitWindows(unsigned flags);

class clsExitWindows {
public:
    explicit clsExitWindows(ExitWindowsCall call = SystemExitWindows) : call_(call) {}
    // False when the option is unknown or the system refused.
    bool ExitWindows(long aOption) const;

private:
    ExitWindowsCall call_;
};

}  // namespace startup
