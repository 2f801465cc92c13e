#pragma once
// Remembers resolved host names for the proxy connections: a table of 101
// entries of which the first `inUse` are used, replaced in rotation.
#include <cstdint>
#include <string>

#include "platform/sync/sync.h"

namespace proxy {

class DnsCache {
public:
    static constexpr int kEntries = 101;
    static constexpr size_t kMaxName = 255;

    // The address (network order) stored for `name`, 0 on a miss. `inUse`
    // is the number of entries in use; 0 or less switches the cache off.
    uint32_t DnsCacheLookup(const std::string& name, int inUse);
    // Stores the pair in the first free entry in use, else over the entry at
    // the rotating index. Nothing happens when the cache is off.
    void DnsCacheStore(const std::string& name, uint32_t address, int inUse);

    long Hits() const;
    long Misses() const;

private:
    struct Entry {
        std::string name;
        uint32_t address = 0;
    };
    mutable sync::CriticalSection lock_;
    Entry entries_[kEntries];
    int next_ = 0;
    long hits_ = 0;
    long misses_ = 0;
};

}  // namespace proxy
