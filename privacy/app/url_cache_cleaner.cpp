#include "privacy/app/url_cache_cleaner.h"

#include "privacy/cache/url_cache.h"

namespace privacy {

bool IsSiteCachedFile(DWORD entryType, const std::string& url, const std::string& host) {
    return !host.empty() && IsCachedFileEntry(entryType) && url.find(host) != std::string::npos;
}

void WinInetCacheCleaner::DeleteSiteFiles(const std::string& host) {
    DeleteCacheEntries(nullptr, [&host](const INTERNET_CACHE_ENTRY_INFOA& entry) {
        return IsSiteCachedFile(entry.CacheEntryType, entry.lpszSourceUrlName, host);
    });
}

void WinInetCacheCleaner::DeleteAllFiles() { DeleteTempInternetFiles(); }

}  // namespace privacy
