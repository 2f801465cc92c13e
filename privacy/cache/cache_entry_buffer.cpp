#include "privacy/cache/cache_entry_buffer.h"

#include <algorithm>

namespace privacy {

INTERNET_CACHE_ENTRY_INFOA* CacheEntryBuffer::Fill(DWORD required, const Reader& read) {
    for (int growths = 0;; ++growths) {
        if (bytes_.size() < required) {
            bytes_.assign(required, 0);
        } else {
            std::fill(bytes_.begin(), bytes_.end(), 0);
        }
        DWORD room = size();
        if (read(Entry(), &room)) return Entry();
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) return nullptr;
        if (room <= bytes_.size() || room > kLargest || growths == kMostGrowths) return nullptr;
        required = room;
    }
}

}  // namespace privacy
