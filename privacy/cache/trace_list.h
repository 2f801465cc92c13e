#pragma once
// What the Trace page lists: the browser's URL-cache entries (cookies,
// history entries, cached files) grouped by the site they name. Window-free:
// the cache reader hands in each entry's type bits, source URL and local
// file; the page asks for rows in its order.
#include <cstdint>
#include <string>
#include <vector>

namespace privacy {

// Entry kinds by the cache entry's type bits.
constexpr uint32_t kCookieEntryBit = 0x100000;
constexpr uint32_t kHistoryEntryBit = 0x200000;
constexpr bool IsCookieEntry(uint32_t type) { return (type & kCookieEntryBit) != 0; }
constexpr bool IsHistoryEntry(uint32_t type) { return (type & kHistoryEntryBit) != 0; }
constexpr bool IsCachedFileEntry(uint32_t type) {
    return (type & (kCookieEntryBit | kHistoryEntryBit)) == 0;
}

// Kinds as the page numbers them (its kind texts are keys 31 + kind).
enum TraceKind { kTraceHistory = 0, kTraceCookie = 1, kTraceFile = 2 };

struct CTraceEntry {
    int kind = kTraceHistory;
    std::string url;
    std::string localFile;  // empty for history entries
};

struct CTraceSite {
    std::string name;
    std::vector<int> entries;  // indexes into the entry list
};

// The site a cache entry is listed under ("" when it names none, such as an
// "https://" file): a cookie's text after its first "@", a history entry's
// text after its first "@http://", a cached file's after its first
// "http://", each cut at its first "/".
std::string TraceSiteOf(uint32_t type, const std::string& url);

class CTraceList {
public:
    void Clear();
    // Lists one cache entry; false (nothing added) when it names no site.
    // Site names that differ only in case share one site.
    bool Add(uint32_t type, const std::string& url, const std::string& localFile);

    const std::vector<CTraceEntry>& entries() const { return entries_; }
    const std::vector<CTraceSite>& sites() const { return sites_; }

    // Site indexes ordered by name, ignoring case.
    std::vector<int> SitesByName() const;
    // Whether entry a sorts before entry b by a sort column: 0 by kind, then
    // URL; 1 by URL (case ignored); by any other column no entry does.
    bool EntryBefore(int a, int b, int column) const;
    // The entry indexes of a site in the order of a sort column (equal ones
    // in the order they were listed). Empty for an unknown site.
    std::vector<int> EntriesOf(int site, int column) const;

private:
    std::vector<CTraceEntry> entries_;
    std::vector<CTraceSite> sites_;
};

}  // namespace privacy
