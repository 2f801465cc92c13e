#include "privacy/cache/cache_entry_buffer.h"

#include <algorithm>
#include <new>

namespace privacy {
namespace {

enum class Outcome { kRead, kTooLarge, kFailed };

// Reads one record into `bytes`, grown to `want` and then to what the
// reader names, never beyond `limit`: kTooLarge (with `want` the size
// named) when the record needs more.
Outcome ReadRecord(std::vector<unsigned char>& bytes, DWORD& want, DWORD limit,
                   const CacheEntryBuffer::Reader& read) {
    for (int growths = 0; growths <= CacheEntryBuffer::kMostGrowths; ++growths) {
        if (want > limit) return Outcome::kTooLarge;
        if (bytes.size() < want) {
            bytes.assign(want, 0);
        } else {
            std::fill(bytes.begin(), bytes.end(), 0);
        }
        DWORD room = static_cast<DWORD>(bytes.size());
        if (read(reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(bytes.data()), &room))
            return Outcome::kRead;
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER || room <= bytes.size()) return Outcome::kFailed;
        want = room;
    }
    return Outcome::kFailed;
}

}  // namespace

INTERNET_CACHE_ENTRY_INFOA* CacheEntryBuffer::Fill(DWORD required, const Reader& read) {
    DWORD want = required;
    for (;;) {
        const Outcome outcome = ReadRecord(bytes_, want, kLargest, read);
        if (outcome == Outcome::kRead) return Entry();
        if (outcome == Outcome::kFailed) return nullptr;
        // The system moves the walk on only past a record it handed over.
        try {
            std::vector<unsigned char> once;
            if (ReadRecord(once, want, MAXDWORD, read) != Outcome::kRead) return nullptr;
        } catch (const std::bad_alloc&) {
            return nullptr;
        }
        want = size();
    }
}

}  // namespace privacy
