#include "uninstall/hosts_restore.h"

#include <windows.h>

#include "common/browser/file_rewrite.h"
#include "common/files/whole_file.h"
#include "common/hosts/hosts_text.h"

namespace uninstall {
namespace {

const DWORD kHidden = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;

bool Readable(const std::string& path) {
    std::string bytes;
    return files::ReadWholeFile(path, bytes);
}

}  // namespace

std::string FindHostsFile(const std::string& windowsFolder, bool nt) {
    const std::string hosts = windowsFolder + (nt ? "\\system32\\drivers\\etc\\hosts" : "\\hosts");
    if (Readable(hosts) || Readable(hosts + ".sam")) return hosts;
    return std::string();
}

HostsRestore RestoreHosts(const std::string& backup, const std::string& target,
                          const std::string& alias) {
    std::string current, bytes;
    if (files::ReadWholeFile(target, current))
        bytes = hosts::WithoutProgramLines(current, alias);
    else if (!files::ReadWholeFile(backup, bytes))
        return HostsRestore::NoBackup;
    const DWORD before = GetFileAttributesA(target.c_str());
    if (before == INVALID_FILE_ATTRIBUTES || bytes != current) {
        SetFileAttributesA(target.c_str(), kHidden);
        if (!browser::RewriteFile(target, bytes)) {
            if (before != INVALID_FILE_ATTRIBUTES) SetFileAttributesA(target.c_str(), before);
            return HostsRestore::WriteFailed;
        }
        SetFileAttributesA(target.c_str(), kHidden | FILE_ATTRIBUTE_READONLY);
    }
    SetFileAttributesA(backup.c_str(), kHidden);
    DeleteFileA(backup.c_str());
    return HostsRestore::Restored;
}

}  // namespace uninstall
