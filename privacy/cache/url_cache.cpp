#include "privacy/cache/url_cache.h"

#include <vector>

namespace privacy {
namespace {

// The source URLs of the entries of one walk that `wanted` accepts.
template <class Accept>
std::vector<std::string> SourceUrls(const char* pattern, Accept wanted) {
    std::vector<std::string> urls;
    CUrlCacheEnum walk;
    for (auto* entry = walk.FindFirst(pattern); entry != nullptr; entry = walk.FindNext()) {
        if (entry->lpszSourceUrlName != nullptr && wanted(entry->CacheEntryType)) {
            urls.push_back(entry->lpszSourceUrlName);
        }
    }
    return urls;
}

// Deletes after the walk, so no deletion moves the walk's position.
template <class Accept>
void DeleteEntries(const char* pattern, Accept wanted) {
    for (const std::string& url : SourceUrls(pattern, wanted)) DeleteCacheEntry(url);
}

bool AnyEntry(DWORD) { return true; }

}  // namespace

CUrlCacheEnum::~CUrlCacheEnum() { Close(); }

void CUrlCacheEnum::Close() {
    if (find_ != nullptr) FindCloseUrlCache(find_);
    find_ = nullptr;
}

const INTERNET_CACHE_ENTRY_INFOA* CUrlCacheEnum::FindFirst(const char* pattern) {
    Close();
    return buffer_.Fill(4096, [&](INTERNET_CACHE_ENTRY_INFOA* entry, DWORD* size) {
        find_ = FindFirstUrlCacheEntryA(pattern, entry, size);
        return find_ != nullptr;
    });
}

const INTERNET_CACHE_ENTRY_INFOA* CUrlCacheEnum::FindNext() {
    if (find_ == nullptr) return nullptr;
    return buffer_.Fill(buffer_.size(), [&](INTERNET_CACHE_ENTRY_INFOA* entry, DWORD* size) {
        return FindNextUrlCacheEntryA(find_, entry, size) != FALSE;
    });
}

bool DeleteCacheEntry(const std::string& sourceUrl) {
    return DeleteUrlCacheEntryA(sourceUrl.c_str()) != FALSE;
}

void DeleteCachedCookies() { DeleteEntries(CUrlCacheEnum::kCookiePattern, AnyEntry); }

void DeleteCachedHistory() {
    DeleteEntries(CUrlCacheEnum::kVisitedPattern, AnyEntry);
    ClearUrlHistory();
}

void DeleteTempInternetFiles() {
    DeleteEntries(nullptr, [](DWORD type) { return IsCachedFileEntry(type); });
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
