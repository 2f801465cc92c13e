#include "popup/core/hosts_file.h"

#include <windows.h>

#include "common/os/os_version.h"
#include "common/files/whole_file.h"
#include "common/files/file_writes.h"
#include "common/hosts/hosts_text.h"

namespace popup {

const char kProxyAlias[] = "VelmoraBlinkward";
const char kLoopbackAddress[] = "127.0.0.1";

CHostsFile::CHostsFile(const std::string& windowsFolder, bool nt)
    : location_(windowsFolder + (nt ? "\\system32\\drivers\\etc\\hosts" : "\\hosts")) {}

CHostsFile CHostsFile::OfThisSystem() {
    char folder[MAX_PATH] = "";
    UINT length = GetWindowsDirectoryA(folder, MAX_PATH);
    if (length >= MAX_PATH) length = 0;
    return CHostsFile(std::string(folder, length), IsWindowsNT());
}

std::string CHostsFile::GetHostsPath() const {
    std::string bytes;
    if (files::ReadWholeFile(location_, bytes)) return location_;
    std::string initial;
    if (!files::ReadWholeFile(location_ + ".sam", initial)) initial = hosts::kCreatedByLine;
    if (files::CreateNewFile(location_, initial) || files::PathExists(location_)) return location_;
    return std::string();
}

bool CHostsFile::HostsContains(const std::string& name) const {
    std::string text;
    return files::ReadWholeFile(location_, text) && hosts::TextMapsHost(text, name);
}

bool CHostsFile::AddHostsEntry(const std::string& address, const std::string& name) const {
    if (HostsContains(name)) return true;
    const std::string path = GetHostsPath();
    if (path.empty()) return false;
    std::string text;
    files::ReadWholeFile(path, text);
    SetHostsAttributes(path, false);
    files::AppendToFile(path, hosts::EntryToAppend(text, address, name));
    SetHostsAttributes(path, true);
    return HostsContains(name);
}

bool CHostsFile::SetHostsAttributes(const std::string& path, bool readOnly) {
    DWORD attributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_ARCHIVE;
    if (readOnly) attributes |= FILE_ATTRIBUTE_READONLY;
    return SetFileAttributesA(path.c_str(), attributes) != 0;
}

AdBlockResult CHostsFile::SetAdBlock(bool on, const std::string& adListPath) const {
    const std::string path = GetHostsPath();
    if (path.empty()) return AdBlockResult::HostsMissing;
    std::string adLines;
    if (on && !files::ReadWholeFile(adListPath, adLines)) return AdBlockResult::ListMissing;
    std::string text;
    if (!files::ReadWholeFile(path, text)) return AdBlockResult::WriteFailed;
    const std::string changed = on ? hosts::WithAdBlock(text, adLines)
                                   : hosts::WithoutAdBlock(text);
    if (changed == text) return AdBlockResult::Done;
    SetHostsAttributes(path, false);
    const bool written = files::RewriteFile(path, changed);
    SetHostsAttributes(path, true);
    return written ? AdBlockResult::Done : AdBlockResult::WriteFailed;
}

}  // namespace popup
