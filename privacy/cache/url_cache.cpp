#include "privacy/cache/url_cache.h"

#include <vector>

namespace privacy {
namespace {

bool AnyEntry(const INTERNET_CACHE_ENTRY_INFOA&) { return true; }

}  // namespace

CUrlCacheEnum::~CUrlCacheEnum() { Close(); }

void CUrlCacheEnum::Close() {
    if (find_ != nullptr) FindCloseUrlCache(find_);
    find_ = nullptr;
}

const INTERNET_CACHE_ENTRY_INFOA* CUrlCacheEnum::FindFirst(const char* pattern) {
    Close();
    return Read(4096, pattern);
}

const INTERNET_CACHE_ENTRY_INFOA* CUrlCacheEnum::FindNext() {
    if (find_ == nullptr) return nullptr;
    return Read(buffer_.size(), nullptr);
}

const INTERNET_CACHE_ENTRY_INFOA* CUrlCacheEnum::Read(DWORD required, const char* pattern) {
    return buffer_.Fill(required, [&](INTERNET_CACHE_ENTRY_INFOA* entry, DWORD* size) {
        if (find_ != nullptr) return FindNextUrlCacheEntryA(find_, entry, size) != FALSE;
        find_ = FindFirstUrlCacheEntryA(pattern, entry, size);
        return find_ != nullptr;
    });
}

void DeleteCacheEntries(const char* pattern, const EntryFilter& wanted) {
    // Deleted after the walk, so no deletion moves the walk's position.
    std::vector<std::string> urls;
    CUrlCacheEnum walk;
    for (auto* entry = walk.FindFirst(pattern); entry != nullptr; entry = walk.FindNext()) {
        if (entry->lpszSourceUrlName != nullptr && wanted(*entry))
            urls.push_back(entry->lpszSourceUrlName);
    }
    for (const std::string& url : urls) DeleteCacheEntry(url);
}

bool DeleteCacheEntry(const std::string& sourceUrl) {
    return DeleteUrlCacheEntryA(sourceUrl.c_str()) != FALSE;
}

void DeleteCachedCookies() { DeleteCacheEntries(CUrlCacheEnum::kCookiePattern, AnyEntry); }

void DeleteCachedHistory() {
    DeleteCacheEntries(CUrlCacheEnum::kVisitedPattern, AnyEntry);
    ClearUrlHistory();
}

void DeleteTempInternetFiles() {
    DeleteCacheEntries(nullptr, [](const INTERNET_CACHE_ENTRY_INFOA& entry) {
        return IsCachedFileEntry(entry.CacheEntryType);
    });
}

void ReadTraceList(CTraceList& list) {
    list.Clear();
    CUrlCacheEnum walk;
    for (auto* entry = walk.FindFirst(); entry != nullptr; entry = walk.FindNext()) {
        if (entry->lpszSourceUrlName == nullptr) continue;
        list.Add(entry->CacheEntryType, entry->lpszSourceUrlName,
                 entry->lpszLocalFileName != nullptr ? entry->lpszLocalFileName : "");
    }
}

}  // namespace privacy
