#include "startup/core/exit_windows.h"

#include <windows.h>

namespace startup {
namespace {

// Owner of the process token, closed with it.
class TokenHandle {
public:
    TokenHandle() {
        if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token_))
            token_ = nullptr;
    }
    ~TokenHandle() {
        if (token_) CloseHandle(token_);
    }
    TokenHandle(const TokenHandle&) = delete;
    TokenHandle& operator=(const TokenHandle&) = delete;
    HANDLE get() const { return token_; }

private:
    HANDLE token_ = nullptr;
};

// Windows 9x has no privileges: there every step fails and nothing is needed.
void EnableShutdownPrivilege() {
    TokenHandle token;
    TOKEN_PRIVILEGES privileges = {};
    if (!token.get() || !LookupPrivilegeValueA(nullptr, "SeShutdownPrivilege",
                                               &privileges.Privileges[0].Luid)) {
        return;
    }
    privileges.PrivilegeCount = 1;
    privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
    AdjustTokenPrivileges(token.get(), FALSE, &privileges, 0, nullptr, nullptr);
}

}  // namespace

bool ExitFlagsFor(long option, unsigned* flags) {
    switch (option) {
    case 0: *flags = EWX_LOGOFF; return true;
    case 1: *flags = EWX_SHUTDOWN; return true;
    case 2: *flags = EWX_SHUTDOWN | EWX_REBOOT; return true;
    case 8: *flags = EWX_POWEROFF; return true;
    default: return false;
    }
}

bool SystemExitWindows(unsigned flags) {
    EnableShutdownPrivilege();
    return ExitWindowsEx(flags, 0xFFFFFFFF) != FALSE;
}

bool clsExitWindows::ExitWindows(long aOption) const {
    unsigned flags = 0;
    return ExitFlagsFor(aOption, &flags) && call_(flags);
}

}  // namespace startup
