#include "common/os/os_version.h"

#include <cstring>

namespace {

void AskPlatform(OSVERSIONINFOA& info) { GetVersionExA(&info); }

OsVersionSource g_source = nullptr;

// A zeroed record of the right size, filled by the current source; a failed
// platform call leaves it zeroed, which every test reads as "not this one".
OSVERSIONINFOA ReadVersion() {
    OSVERSIONINFOA info;
    std::memset(&info, 0, sizeof(info));
    info.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
    (g_source ? g_source : AskPlatform)(info);
    return info;
}

}  // namespace

COsVersion::COsVersion() : info_(ReadVersion()) {}

COsVersion::COsVersion(const OSVERSIONINFOA& info) : info_(info) {}

COsVersion::~COsVersion() = default;

bool COsVersion::IsWin95() const {
    return info_.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS && info_.dwMinorVersion == 0;
}

bool COsVersion::IsWin98() const {
    return info_.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS && info_.dwMinorVersion == 10;
}

bool COsVersion::IsWinMe() const {
    return info_.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS && info_.dwMinorVersion == 90;
}

bool COsVersion::IsWinNT4() const {
    return info_.dwPlatformId == VER_PLATFORM_WIN32_NT && info_.dwMajorVersion == 4;
}

bool COsVersion::IsWin2000() const {
    return info_.dwPlatformId == VER_PLATFORM_WIN32_NT && info_.dwMajorVersion == 5 &&
           info_.dwMinorVersion == 0;
}

bool COsVersion::IsWinXP() const {
    return info_.dwPlatformId == VER_PLATFORM_WIN32_NT && info_.dwMajorVersion == 5 &&
           info_.dwMinorVersion != 0;
}

bool IsWindowsNT() { return ReadVersion().dwPlatformId == VER_PLATFORM_WIN32_NT; }

OsVersionSource SetOsVersionSource(OsVersionSource source) {
    OsVersionSource previous = g_source;
    g_source = source;
    return previous;
}
