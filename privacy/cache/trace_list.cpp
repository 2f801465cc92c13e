#include "privacy/cache/trace_list.h"

#include <algorithm>
#include <cctype>

#include "privacy/core/text_routines.h"

namespace privacy {
namespace {

// The text after the first `marker` of `url`, cut at its first "/".
std::string SiteAfter(const std::string& url, const std::string& marker) {
    const size_t at = url.find(marker);
    if (at == std::string::npos) return "";
    const std::string rest = url.substr(at + marker.size());
    return rest.substr(0, rest.find('/'));
}

bool LessNoCase(const std::string& a, const std::string& b) {
    return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
    });
}

int KindOf(uint32_t type) {
    if (IsCookieEntry(type)) return kTraceCookie;
    if (IsHistoryEntry(type)) return kTraceHistory;
    return kTraceFile;
}

}  // namespace

std::string TraceSiteOf(uint32_t type, const std::string& url) {
    switch (KindOf(type)) {
    case kTraceCookie: return SiteAfter(url, "@");
    case kTraceHistory: return SiteAfter(url, "@http://");
    default: return SiteAfter(url, "http://");
    }
}

void CTraceList::Clear() {
    entries_.clear();
    sites_.clear();
}

bool CTraceList::Add(uint32_t type, const std::string& url, const std::string& localFile) {
    const std::string site = TraceSiteOf(type, url);
    if (site.empty()) return false;
    const int kind = KindOf(type);
    entries_.push_back({kind, url, kind == kTraceHistory ? std::string() : localFile});
    const int index = static_cast<int>(entries_.size()) - 1;
    auto same = std::find_if(sites_.begin(), sites_.end(),
                             [&](const CTraceSite& s) { return EqualsNoCase(s.name, site); });
    if (same != sites_.end()) {
        same->entries.push_back(index);
    } else {
        sites_.push_back({site, {index}});
    }
    return true;
}

std::vector<int> CTraceList::SitesByName() const {
    std::vector<int> order(sites_.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return LessNoCase(sites_[a].name, sites_[b].name); });
    return order;
}

bool CTraceList::EntryBefore(int a, int b, int column) const {
    const CTraceEntry& x = entries_[a];
    const CTraceEntry& y = entries_[b];
    if (column == 0 && x.kind != y.kind) return x.kind < y.kind;
    return (column == 0 || column == 1) && LessNoCase(x.url, y.url);
}

std::vector<int> CTraceList::EntriesOf(int site, int column) const {
    if (site < 0 || site >= static_cast<int>(sites_.size())) return {};
    std::vector<int> rows = sites_[site].entries;
    std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) { return EntryBefore(a, b, column); });
    return rows;
}

}  // namespace privacy
