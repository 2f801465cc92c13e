#pragma once
// Netscape 7 and Mozilla: the current user's profiles, which of them use the
// program's proxy, and the proxy lines written into a profile's user.js.
#include <string>
#include <vector>

#include "common/browser/browser_env.h"

namespace browser {

// `Path` of a profile in the default Profiles folder, whose data folder is
// looked up when needed.
constexpr char kPathInDefaultFolder[] = "Empty";

struct ProfileEntry {
    std::string Name;  // the profile's folder name
    int Greyed = 0;
    int Chosen = 0;
    std::string Path;  // the profile's *.slt data folder, or "Empty"
};

using CProfileEntryList = std::vector<ProfileEntry>;

class CNetscapeProfiles {
public:
    explicit CNetscapeProfiles(BrowserEnv& env) : env_(env) {}

    // The profiles of the default folder and of registry.dat; set mode greys
    // the configured ones, reset mode the others.
    void ListNetscapeProfiles(bool setMode);
    // Some profile of the user uses the proxy (the browser-state check).
    bool EnumMozillaProfiles();
    // Appends registry.dat's profiles outside the default folder; with
    // `checkOnly` true at the first configured one.
    bool ParseMozillaRegistry(bool checkOnly);
    // Sets UserJsPath and PrefsJsPath for `entry`; true when prefs.js exists.
    bool FindMozillaProfileFolder(const ProfileEntry& entry);
    bool IsNetscapeProfileConfigured(const ProfileEntry& entry);

    // Configure side: every chosen entry. Each profile that fails shows its
    // message; the result is true when every chosen profile was written.
    bool SetNetscapeProxyAll(const std::string& host, const std::string& port);
    bool WriteNetscapeProxyPrefs(const std::string& host, const std::string& port,
                                 const ProfileEntry& entry);
    // Reset side: every chosen entry; the result as for the configure side.
    bool ResetNetscapeProxyAll();
    bool ResetNetscapeProxyPrefs(const ProfileEntry& entry);
    // The uninstaller's reset: chooses every configured entry of a reset-mode
    // list, then resets them.
    void ResetAllConfigured();

    std::string UserJsPath;
    std::string PrefsJsPath;
    CProfileEntryList Entries;
    int Count = 0;
    std::vector<int> GreyedFlags;
    int ConfiguredCount = 0;
    int GreyedCount = 0;
    int Changed = 0;

private:
    std::string MozillaFolder() const;
    // The folder names of the default Profiles folder.
    std::vector<std::string> DefaultFolderProfiles() const;
    // Puts `lines` into the profile's user.js, keeping its other lines.
    bool MergeIntoUserJs(const std::vector<std::string>& lines);
    // The error box of one profile: "%s1" its name, "%s2" the file.
    void ReportProfile(const char* key, const char* def, const ProfileEntry& entry,
                       const std::string& file);

    BrowserEnv& env_;
};

}  // namespace browser
