#include "privacy/app/url_cache_cleaner.h"

#include <wininet.h>

#include <functional>
#include <vector>

namespace privacy {
namespace {

constexpr DWORD kCookieEntry = 0x100000;
constexpr DWORD kHistoryEntry = 0x200000;
// The platform reports the size an entry needs; a well-behaved cache needs
// one retry, so a cache that keeps asking for more is given up on.
constexpr int kGrowAttempts = 4;

bool IsCachedFile(DWORD entryType) { return (entryType & (kCookieEntry | kHistoryEntry)) == 0; }

// One enumeration of the whole URL cache; the handle closes with the object.
class CacheWalk {
public:
    CacheWalk() : buffer_(4096) {}
    ~CacheWalk() {
        if (find_ != nullptr) FindCloseUrlCache(find_);
    }
    CacheWalk(const CacheWalk&) = delete;
    CacheWalk& operator=(const CacheWalk&) = delete;

    const INTERNET_CACHE_ENTRY_INFOA* Next() {
        for (int attempt = 0; attempt < kGrowAttempts; ++attempt) {
            DWORD size = static_cast<DWORD>(buffer_.size());
            auto* entry = reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(buffer_.data());
            bool ok;
            if (find_ == nullptr && !started_) {
                find_ = FindFirstUrlCacheEntryA(nullptr, entry, &size);
                ok = find_ != nullptr;
            } else {
                ok = find_ != nullptr && FindNextUrlCacheEntryA(find_, entry, &size);
            }
            if (ok) {
                started_ = true;
                return entry;
            }
            if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || size <= buffer_.size()) break;
            buffer_.assign(size, 0);
        }
        started_ = true;
        return nullptr;
    }

private:
    std::vector<char> buffer_;
    HANDLE find_ = nullptr;
    bool started_ = false;
};

// Deletes, after the walk, every entry `wanted` picks: deleting while the
// enumeration runs may skip entries.
void DeleteEntries(const std::function<bool(const INTERNET_CACHE_ENTRY_INFOA&)>& wanted) {
    std::vector<std::string> urls;
    CacheWalk walk;
    while (const INTERNET_CACHE_ENTRY_INFOA* entry = walk.Next()) {
        if (entry->lpszSourceUrlName != nullptr && wanted(*entry))
            urls.emplace_back(entry->lpszSourceUrlName);
    }
    for (const std::string& url : urls) DeleteUrlCacheEntryA(url.c_str());
}

}  // namespace

bool IsSiteCachedFile(DWORD entryType, const std::string& url, const std::string& host) {
    return !host.empty() && IsCachedFile(entryType) && url.find(host) != std::string::npos;
}

void WinInetCacheCleaner::DeleteSiteFiles(const std::string& host) {
    DeleteEntries([&host](const INTERNET_CACHE_ENTRY_INFOA& entry) {
        return IsSiteCachedFile(entry.CacheEntryType, entry.lpszSourceUrlName, host);
    });
}

void WinInetCacheCleaner::DeleteAllFiles() {
    DeleteEntries([](const INTERNET_CACHE_ENTRY_INFOA& entry) {
        return IsCachedFile(entry.CacheEntryType);
    });
}

}  // namespace privacy
