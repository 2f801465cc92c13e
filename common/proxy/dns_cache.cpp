#include "common/proxy/dns_cache.h"

#include <algorithm>

namespace proxy {

uint32_t DnsCache::DnsCacheLookup(const std::string& name, int inUse) {
    if (inUse <= 0) return 0;
    std::string key = name.substr(0, kMaxName);
    sync::Lock guard(lock_);
    for (int i = 0; i < std::min(inUse, kEntries) && entries_[i].address != 0; ++i) {
        if (entries_[i].name == key) {
            ++hits_;
            return entries_[i].address;
        }
    }
    ++misses_;
    return 0;
}

void DnsCache::DnsCacheStore(const std::string& name, uint32_t address, int inUse) {
    if (inUse <= 0 || address == 0) return;
    int size = std::min(inUse, kEntries);
    sync::Lock guard(lock_);
    int slot = 0;
    while (slot < size && entries_[slot].address != 0) ++slot;
    if (slot == size) {
        slot = next_ < size ? next_ : 0;
        next_ = slot + 1 < size ? slot + 1 : 0;
    }
    entries_[slot].name = name.substr(0, kMaxName);
    entries_[slot].address = address;
}

long DnsCache::Hits() const {
    sync::Lock guard(lock_);
    return hits_;
}

long DnsCache::Misses() const {
    sync::Lock guard(lock_);
    return misses_;
}

}  // namespace proxy
