#pragma once
// The per-user folders the browsers keep their settings in, by Windows
// version. The base folders come in from outside so that tests can point
// them into a scratch folder.
#include <string>

class COsVersion;

namespace browser {

struct ProfileBases {
    std::string windowsFolder;    // "C:\WINDOWS"
    std::string documentsFolder;  // "<drive of the Windows folder>:\Documents and Settings"
    std::string userName;
};

// The running system's folders and user.
ProfileBases SystemProfileBases();

// The user's "Application Data\Mozilla\" folder (with its trailing
// backslash) on 2000/XP, 98/Me/95 and NT 4; "" on any other version.
std::string MozillaFolder(const COsVersion& os, const ProfileBases& bases);

// The per-user settings file of a multi-user Opera 7 whose program folder
// ends in `component`; "" on a version that has none.
std::string OperaUserIniPath(const COsVersion& os, const ProfileBases& bases,
                             const std::string& component);

}  // namespace browser
