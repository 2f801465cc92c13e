#include "common/browser/profile_folders.h"

#include <windows.h>

#include "common/os/os_version.h"

namespace browser {
namespace {

bool IsWin2000OrXP(const COsVersion& os) { return os.IsWin2000() || os.IsWinXP(); }
bool IsWin9x(const COsVersion& os) { return os.IsWin98() || os.IsWinMe() || os.IsWin95(); }

}  // namespace

ProfileBases SystemProfileBases() {
    ProfileBases bases;
    char windows[MAX_PATH] = "";
    UINT length = GetWindowsDirectoryA(windows, sizeof(windows));
    if (length && length < sizeof(windows)) bases.windowsFolder = windows;
    bases.documentsFolder =
        std::string(1, windows[0] ? windows[0] : 'C') + ":\\Documents and Settings";
    char user[200] = "";
    DWORD size = sizeof(user);
    if (GetUserNameA(user, &size)) bases.userName = user;
    return bases;
}

std::string MozillaFolder(const COsVersion& os, const ProfileBases& bases) {
    if (IsWin2000OrXP(os))
        return bases.documentsFolder + "\\" + bases.userName + "\\Application Data\\Mozilla\\";
    if (IsWin9x(os)) return bases.windowsFolder + "\\Application Data\\Mozilla\\";
    if (os.IsWinNT4())
        return bases.windowsFolder + "\\Profiles\\" + bases.userName +
               "\\Application Data\\Mozilla\\";
    return "";
}

std::string OperaUserIniPath(const COsVersion& os, const ProfileBases& bases,
                             const std::string& component) {
    const std::string tail = "\\Application Data\\Opera\\" + component + "\\profile\\opera6.ini";
    if (IsWin2000OrXP(os) || os.IsWinNT4())
        return bases.documentsFolder + "\\" + bases.userName + tail;
    if (IsWin9x(os)) return bases.windowsFolder + tail;
    return "";
}

}  // namespace browser
