#include "common/browser/netscape_profiles.h"

#include "common/browser/file_rewrite.h"
#include "common/browser/mozilla_prefs.h"
#include "common/browser/mozilla_registry.h"
#include "common/browser/proxy_setting_key.h"
#include "common/browser/text_lines.h"
#include "common/files/folder_list.h"
#include "common/os/os_version.h"

namespace browser {
namespace {

// network.proxy.http and network.proxy.http_port.
const char kHttpPrefs[] = "network.proxy.http";

ProfileEntry DefaultFolderEntry(const std::string& name) {
    ProfileEntry entry;
    entry.Name = name;
    entry.Path = kPathInDefaultFolder;
    return entry;
}

}  // namespace

std::string CNetscapeProfiles::MozillaFolder() const {
    return browser::MozillaFolder(COsVersion(), env_.bases);
}

std::vector<std::string> CNetscapeProfiles::DefaultFolderProfiles() const {
    std::vector<std::string> names;
    const std::string mozilla = MozillaFolder();
    if (mozilla.empty()) return names;
    for (const files::FolderEntry& found : files::ListMatches(mozilla + "Profiles\\*.*"))
        if (found.isFolder) names.push_back(found.name);
    return names;
}

bool CNetscapeProfiles::FindMozillaProfileFolder(const ProfileEntry& entry) {
    std::string dataFolder;
    if (entry.Path != kPathInDefaultFolder) {
        dataFolder = entry.Path;
    } else {
        const std::string mozilla = MozillaFolder();
        if (mozilla.empty()) {
            UserJsPath.clear();
            PrefsJsPath.clear();
            return false;
        }
        const std::string profile = mozilla + "Profiles\\" + entry.Name;
        dataFolder = profile;
        // The data folder: a file of that name is no profile's data.
        for (const files::FolderEntry& found : files::ListMatches(profile + "\\*.slt")) {
            if (!found.isFolder) continue;
            dataFolder = profile + "\\" + found.name;
            break;
        }
    }
    UserJsPath = dataFolder + "\\user.js";
    PrefsJsPath = dataFolder + "\\prefs.js";
    return files::PathExists(PrefsJsPath);
}

bool CNetscapeProfiles::IsNetscapeProfileConfigured(const ProfileEntry& entry) {
    std::string prefs, user;
    if (!FindMozillaProfileFolder(entry) || !files::ReadWholeFile(PrefsJsPath, prefs)) return false;
    files::ReadWholeFile(UserJsPath, user);
    return ProfileUsesProxy(prefs, user);
}

void CNetscapeProfiles::ListNetscapeProfiles(bool setMode) {
    Entries.clear();
    for (const std::string& name : DefaultFolderProfiles()) Entries.push_back(DefaultFolderEntry(name));
    ParseMozillaRegistry(false);
    for (ProfileEntry& entry : Entries) {
        bool configured = IsNetscapeProfileConfigured(entry);
        entry.Greyed = (setMode ? configured : !configured) ? 1 : 0;
    }
    Count = static_cast<int>(Entries.size());
    GreyedFlags.clear();
    GreyedCount = ConfiguredCount = 0;
    for (const ProfileEntry& entry : Entries) {
        GreyedFlags.push_back(entry.Greyed);
        GreyedCount += entry.Greyed;
        if (!setMode && !entry.Greyed) ++ConfiguredCount;
    }
}

bool CNetscapeProfiles::ParseMozillaRegistry(bool checkOnly) {
    const std::string mozilla = MozillaFolder();
    std::string bytes;
    if (mozilla.empty() || !files::ReadWholeFile(mozilla + "registry.dat", bytes)) return false;
    const std::string defaultFolder = mozilla + "Profiles\\";
    for (const std::string& directory : ScanProfileDirectories(bytes)) {
        if (ContainsNoCase(directory, defaultFolder)) continue;
        ProfileEntry entry;
        entry.Name = ProfileNameOf(directory);
        entry.Path = directory;
        if (checkOnly && IsNetscapeProfileConfigured(entry)) return true;
        Entries.push_back(entry);
    }
    return false;
}

bool CNetscapeProfiles::EnumMozillaProfiles() {
    for (const std::string& name : DefaultFolderProfiles())
        if (IsNetscapeProfileConfigured(DefaultFolderEntry(name))) return true;
    return ParseMozillaRegistry(true);
}

bool CNetscapeProfiles::MergeIntoUserJs(const std::vector<std::string>& lines) {
    std::string user;
    if (files::PathExists(UserJsPath) && !files::ReadWholeFile(UserJsPath, user)) return false;
    if (!RewriteFile(UserJsPath, MergePrefLines(user, lines))) return false;
    Changed = 1;
    return true;
}

void CNetscapeProfiles::ReportProfile(const char* key, const char* def, const ProfileEntry& entry,
                                      const std::string& file) {
    std::string text = env_.text.Text(key, def);
    text = ReplaceAll(text, "%s1", entry.Name);
    env_.ShowError(ReplaceAll(text, "%s2", file));
}

bool CNetscapeProfiles::WriteNetscapeProxyPrefs(const std::string& host, const std::string& port,
                                                const ProfileEntry& entry) {
    ProxySettingKey flags;
    if (!FindMozillaProfileFolder(entry)) {
        ReportProfile("2242",
                      "Error, Failed to set Netscape's profile %s1 proxy setting because %s2 "
                      "doesn't exist.",
                      entry, PrefsJsPath);
        return false;
    }
    // user.js first: the user's own proxy line leaves prefs.js only once the
    // program's lines stand in user.js, so a failed write loses nothing.
    if (!MergeIntoUserJs(ProxyPrefLines(host, port))) {
        ReportProfile("2259",
                      "Error, Failed to set Netscape's profile %s1 proxy setting because %s2 "
                      "can't be written.",
                      entry, UserJsPath);
        return false;
    }
    flags.Set(env_.state.NetscapeConfigured, kNetscapeFlag, 1);
    // user.js takes effect over prefs.js whatever this edit does.
    EditFile(PrefsJsPath, [](const std::string& prefs) {
        return RemoveFirstPref(prefs, kHttpPrefs);
    });
    return true;
}

bool CNetscapeProfiles::SetNetscapeProxyAll(const std::string& host, const std::string& port) {
    bool all = true;
    for (const ProfileEntry& entry : Entries)
        if (entry.Chosen) all = WriteNetscapeProxyPrefs(host, port, entry) && all;
    return all;
}

bool CNetscapeProfiles::ResetNetscapeProxyPrefs(const ProfileEntry& entry) {
    ProxySettingKey flags;
    if (!FindMozillaProfileFolder(entry)) {
        ReportProfile("2243",
                      "Error, Failed to reset Netscape's profile %s1 proxy setting because %s2 "
                      "doesn't exist.",
                      entry, PrefsJsPath);
        return false;
    }
    if (!MergeIntoUserJs(NeutralProxyPrefLines())) {
        ReportProfile("2260",
                      "Error, Failed to reset Netscape's profile %s1 proxy setting because %s2 "
                      "can't be written.",
                      entry, UserJsPath);
        return false;
    }
    if (ConfiguredCount > 0 && --ConfiguredCount == 0)
        flags.Set(env_.state.NetscapeConfigured, kNetscapeFlag, 0);
    return true;
}

bool CNetscapeProfiles::ResetNetscapeProxyAll() {
    bool all = true;
    for (const ProfileEntry& entry : Entries)
        if (entry.Chosen) all = ResetNetscapeProxyPrefs(entry) && all;
    return all;
}

void CNetscapeProfiles::ResetAllConfigured() {
    for (ProfileEntry& entry : Entries) entry.Chosen = entry.Greyed ? 0 : 1;
    ResetNetscapeProxyAll();
}

}  // namespace browser
