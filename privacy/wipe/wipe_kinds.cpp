#include "privacy/wipe/wipe_kinds.h"

#include <cctype>
#include <utility>

#include "privacy/core/registry_key.h"

namespace privacy {

const char kRecentDocsKey[] =
    "HKEY_CURRENT_USER\\Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\RecentDocs";
const char kTypedUrlsKey[] = "HKEY_CURRENT_USER\\Software\\Microsoft\\Internet Explorer\\TypedURLs";

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// How many non-empty path elements `path` holds from `from` on.
int ElementCount(const std::string& path, size_t from) {
    int count = 0;
    bool inElement = false;
    for (size_t i = from; i < path.size(); ++i) {
        if (IsSeparator(path[i])) {
            inElement = false;
        } else if (!inElement) {
            inElement = true;
            ++count;
        }
    }
    return count;
}

}  // namespace

bool IsSafeWipeFolder(const std::string& folder) {
    if (folder.size() >= 2 && IsSeparator(folder[0]) && IsSeparator(folder[1])) {
        return ElementCount(folder, 2) >= 3;  // host, share and a folder in it
    }
    return folder.size() >= 3 && std::isalpha(static_cast<unsigned char>(folder[0])) &&
           folder[1] == ':' && IsSeparator(folder[2]) && ElementCount(folder, 3) >= 1;
}

bool FolderWipe::Clear() {
    if (!IsSafeWipeFolder(folder_)) return false;
    eraser_.EraseContents(folder_);
    ClearRest();
    return true;
}

void CookiesWipe::ClearRest() { cache_.DeleteCookies(); }

void RecentDocumentsWipe::ClearRest() { CRegistryKey(kRecentDocsKey).DeleteTree(); }

bool TempInternetFilesWipe::Clear() {
    cache_.DeleteTempFiles();
    return true;
}

void HistoryWipe::ClearRest() {
    cache_.DeleteHistory();
    CRegistryKey(kTypedUrlsKey).DeleteTree();
}

bool RecycleBinWipe::Clear() { return bin_.Empty(); }

std::vector<WipeItem> ClearSelectedItems(const int (&ticks)[kWipeItemCount], const WipeTools& tools) {
    const TraceFolders& f = tools.folders;
    CookiesWipe cookies(f.cookies, tools.eraser, tools.cache);
    RecentDocumentsWipe recent(f.recent, tools.eraser);
    TempInternetFilesWipe tempFiles(tools.cache);
    HistoryWipe history(f.history, tools.eraser, tools.cache);
    OfficeRecentWipe office(f.officeRecent, tools.eraser);
    RecycleBinWipe bin(tools.bin);
    const std::pair<WipeItem, WipeKind*> order[] = {
        {kWipeCookies, &cookies},    {kWipeRecent, &recent},        {kWipeTempFiles, &tempFiles},
        {kWipeHistory, &history},    {kWipeOfficeRecent, &office},  {kWipeRecycleBin, &bin}};

    std::vector<WipeItem> notCleared;
    for (const auto& [item, kind] : order) {
        if (ticks[item] != 0 && !kind->Clear()) notCleared.push_back(item);
    }
    return notCleared;
}

}  // namespace privacy
