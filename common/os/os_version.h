#pragma once
// Which Windows runs: the 9x and NT families keep browser profiles and
// system settings in different places.
#include <windows.h>

class COsVersion {
public:
    // Fills the version record from the platform (through the current source).
    COsVersion();
    explicit COsVersion(const OSVERSIONINFOA& info);
    virtual ~COsVersion();

    bool IsWin95() const;
    bool IsWin98() const;
    bool IsWinMe() const;
    bool IsWinNT4() const;
    bool IsWin2000() const;
    bool IsWinXP() const;

    const OSVERSIONINFOA& Info() const { return info_; }

private:
    OSVERSIONINFOA info_;
};

// True on the NT family (platform id 2).
bool IsWindowsNT();

// Where version records come from: the platform unless a test installs its
// own. Returns the previous source; nullptr restores the platform.
using OsVersionSource = void (*)(OSVERSIONINFOA& info);
OsVersionSource SetOsVersionSource(OsVersionSource source);
