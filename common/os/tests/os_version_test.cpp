#include "common/os/os_version.h"

#include <gtest/gtest.h>

namespace {

OSVERSIONINFOA Record(DWORD platform, DWORD major, DWORD minor) {
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof(info);
    info.dwPlatformId = platform;
    info.dwMajorVersion = major;
    info.dwMinorVersion = minor;
    return info;
}

struct Row {
    DWORD platform, major, minor;
    bool win95, win98, winMe, nt4, win2000, xp;
};

TEST(OsVersion, AnswersEachVersionOnlyForItself) {
    const DWORD kNine = VER_PLATFORM_WIN32_WINDOWS, kNT = VER_PLATFORM_WIN32_NT;
    const Row rows[] = {
        {kNine, 4, 0, true, false, false, false, false, false},
        {kNine, 4, 10, false, true, false, false, false, false},
        {kNine, 4, 90, false, false, true, false, false, false},
        {kNine, 4, 3, false, false, false, false, false, false},
        {kNT, 4, 0, false, false, false, true, false, false},
        {kNT, 5, 0, false, false, false, false, true, false},
        {kNT, 5, 1, false, false, false, false, false, true},
        {kNT, 5, 2, false, false, false, false, false, true},
        {kNT, 6, 0, false, false, false, false, false, false},
        {kNT, 6, 1, false, false, false, false, false, false},
        {kNT, 10, 0, false, false, false, false, false, false},
        {VER_PLATFORM_WIN32s, 3, 10, false, false, false, false, false, false},
    };
    for (const Row& r : rows) {
        COsVersion v(Record(r.platform, r.major, r.minor));
        SCOPED_TRACE(testing::Message() << r.platform << " " << r.major << "." << r.minor);
        EXPECT_EQ(r.win95, v.IsWin95());
        EXPECT_EQ(r.win98, v.IsWin98());
        EXPECT_EQ(r.winMe, v.IsWinMe());
        EXPECT_EQ(r.nt4, v.IsWinNT4());
        EXPECT_EQ(r.win2000, v.IsWin2000());
        EXPECT_EQ(r.xp, v.IsWinXP());
    }
}

OSVERSIONINFOA g_fed;
void Feed(OSVERSIONINFOA& info) {
    // The record arrives zeroed and sized.
    EXPECT_EQ(sizeof(OSVERSIONINFOA), info.dwOSVersionInfoSize);
    EXPECT_EQ(0u, info.dwPlatformId);
    info = g_fed;
}
void Fail(OSVERSIONINFOA&) {}

TEST(OsVersion, SourceSeamFeedsConstructorAndNtTest) {
    g_fed = Record(VER_PLATFORM_WIN32_WINDOWS, 4, 10);
    OsVersionSource previous = SetOsVersionSource(Feed);
    EXPECT_TRUE(COsVersion().IsWin98());
    EXPECT_FALSE(IsWindowsNT());
    g_fed = Record(VER_PLATFORM_WIN32_NT, 4, 0);
    EXPECT_TRUE(IsWindowsNT());
    SetOsVersionSource(Fail);
    COsVersion failed;
    EXPECT_FALSE(failed.IsWin95()) << "a failed query must not read as Windows 95";
    EXPECT_FALSE(IsWindowsNT());
    SetOsVersionSource(previous);
}

TEST(OsVersion, ThePrefixReportsXp) {
    COsVersion v;
    EXPECT_TRUE(v.IsWinXP());
    EXPECT_TRUE(IsWindowsNT());
}

}  // namespace
