#include "privacy/app/list_order.h"

#include <cstdint>
#include <cstring>

namespace privacy {
namespace {

template <typename T>
int Sign(T a, T b) {
    return a < b ? -1 : (b < a ? 1 : 0);
}

int CompareNoCase(const std::string& a, const std::string& b) {
    const int result = _stricmp(a.c_str(), b.c_str());
    return Sign(result, 0);
}

int CustomOptions(const CSiteRecord& site) {
    return (site.wholeSite != 0) + (site.images != 0) + (site.popups != 0) +
           (site.userInfo != 0) + (site.hub != 0);
}

}  // namespace

void ListSort::Click(int clicked) {
    if (clicked == column) {
        ascending = !ascending;
    } else {
        column = clicked;
        ascending = true;
    }
}

int ListSort::Apply(int result, int tie) const {
    if (result != 0) return ascending ? result : -result;
    return tie;
}

int CompareSites(const std::vector<CSiteRecord>& sites, size_t a, size_t b, const ListSort& sort) {
    if (a >= sites.size() || b >= sites.size()) return 0;
    const CSiteRecord& x = sites[a];
    const CSiteRecord& y = sites[b];
    int result = 0;
    switch (sort.column) {
    case 0: result = CompareNoCase(x.host, y.host); break;
    case 1: result = Sign(x.hits, y.hits); break;
    case 2: result = Sign(x.lastAccess, y.lastAccess); break;
    case 3: result = Sign(CustomOptions(x), CustomOptions(y)); break;
    }
    return sort.Apply(result, Sign(x.lastAccess, y.lastAccess));
}

int CompareEvents(const std::vector<CEventRecord>& events, size_t a, size_t b,
                  const ListSort& sort) {
    if (a >= events.size() || b >= events.size()) return 0;
    int result = 0;
    switch (sort.column) {
    case 0: result = CompareNoCase(events[a].host, events[b].host); break;
    case 1: result = Sign(events[a].type, events[b].type); break;
    case 2: result = Sign(a, b); break;
    }
    return sort.Apply(result, Sign(a, b));
}

}  // namespace privacy
