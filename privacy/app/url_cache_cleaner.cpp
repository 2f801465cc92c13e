#include "privacy/app/url_cache_cleaner.h"

#include <vector>

#include "privacy/cache/url_cache.h"

namespace privacy {

bool IsSiteCachedFile(DWORD entryType, const std::string& url, const std::string& host) {
    return !host.empty() && IsCachedFileEntry(entryType) && url.find(host) != std::string::npos;
}

void WinInetCacheCleaner::DeleteSiteFiles(const std::string& host) {
    // Deleted after the walk: a deletion during it may skip entries.
    std::vector<std::string> urls;
    CUrlCacheEnum walk;
    for (auto* entry = walk.FindFirst(); entry != nullptr; entry = walk.FindNext()) {
        if (entry->lpszSourceUrlName != nullptr &&
            IsSiteCachedFile(entry->CacheEntryType, entry->lpszSourceUrlName, host)) {
            urls.emplace_back(entry->lpszSourceUrlName);
        }
    }
    for (const std::string& url : urls) DeleteCacheEntry(url);
}

void WinInetCacheCleaner::DeleteAllFiles() { DeleteTempInternetFiles(); }

}  // namespace privacy
