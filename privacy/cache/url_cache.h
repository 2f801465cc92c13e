#pragma once
// The browser's URL cache (cookies, history entries, cached files) read and
// deleted through the system's cache calls, and the browser's history store
// cleared through the system's URL history object. Failures are silent: an
// enumeration that cannot start finds nothing, a failed deletion leaves the
// entry in place.
#include <windows.h>
#include <wininet.h>

#include <functional>
#include <string>

#include "privacy/cache/cache_entry_buffer.h"
#include "privacy/cache/trace_list.h"

namespace privacy {

// Walks the cache entries matching a pattern. An entry returned stays valid
// until the next Find call on the same object.
class CUrlCacheEnum {
public:
    // The cookie and history containers' prefixes, spelt as the containers
    // name themselves: some caches match a pattern by exact case.
    static constexpr const char* kCookiePattern = "Cookie:";
    static constexpr const char* kVisitedPattern = "Visited:";

    CUrlCacheEnum() = default;
    ~CUrlCacheEnum();
    CUrlCacheEnum(const CUrlCacheEnum&) = delete;
    CUrlCacheEnum& operator=(const CUrlCacheEnum&) = delete;

    // Closes a walk still open and starts one; null pattern: every entry.
    // Null when nothing matches or the cache cannot be read.
    const INTERNET_CACHE_ENTRY_INFOA* FindFirst(const char* pattern = nullptr);
    // Null when no walk is open or it has ended.
    const INTERNET_CACHE_ENTRY_INFOA* FindNext();

private:
    void Close();
    // The walk's next record into the buffer; the first read opens the walk
    // for `pattern`, so a record passed over at its start does not start it
    // again.
    const INTERNET_CACHE_ENTRY_INFOA* Read(DWORD required, const char* pattern);

    CacheEntryBuffer buffer_;
    HANDLE find_ = nullptr;
};

using EntryFilter = std::function<bool(const INTERNET_CACHE_ENTRY_INFOA&)>;

// Deletes every entry matching `pattern` (null: every entry) that `wanted`
// accepts.
void DeleteCacheEntries(const char* pattern, const EntryFilter& wanted);
// Deletes one entry (and its local file) by its source URL.
bool DeleteCacheEntry(const std::string& sourceUrl);
// Every cookie entry.
void DeleteCachedCookies();
// Every history entry, then the history store (ClearUrlHistory).
void DeleteCachedHistory();
// Every entry that is neither a cookie nor a history entry.
void DeleteTempInternetFiles();
// Clears the browser's history store; does nothing when the system's URL
// history object cannot be made. Usable on any thread.
void ClearUrlHistory();

// Empties `list` and lists every cache entry in it.
void ReadTraceList(CTraceList& list);

}  // namespace privacy
