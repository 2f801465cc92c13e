#pragma once
// The one record buffer a URL-cache enumeration reads into: grown only when
// the system asks for more room, zeroed and reused otherwise. The growing is
// bounded, so a system that keeps asking for room it never uses cannot keep
// the enumeration spinning, and a record too large to keep is passed over
// rather than ending the walk.
#include <windows.h>
#include <wininet.h>

#include <functional>
#include <vector>

namespace privacy {

class CacheEntryBuffer {
public:
    // Reads the record at the walk's position into `entry`, which holds
    // `*size` bytes; a read that succeeds moves the walk on. On failure it
    // leaves the reason in the thread's last error; for
    // ERROR_INSUFFICIENT_BUFFER it has written the size it needs to `*size`.
    using Reader = std::function<bool(INTERNET_CACHE_ENTRY_INFOA* entry, DWORD* size)>;

    // The largest record kept, and how often one read may grow a buffer.
    static constexpr DWORD kLargest = 1024 * 1024;
    static constexpr int kMostGrowths = 4;

    // Makes the buffer at least `required` bytes (zeroed) and reads into it,
    // growing it to the size the reader names after a too-small read. A
    // record larger than kLargest is read into storage of its own, which
    // goes at once, and the next record is read. Null when the read fails,
    // the reader asks for no more room than it had, more than kMostGrowths
    // times for one record, or for more than can be had.
    INTERNET_CACHE_ENTRY_INFOA* Fill(DWORD required, const Reader& read);

    DWORD size() const { return static_cast<DWORD>(bytes_.size()); }

private:
    INTERNET_CACHE_ENTRY_INFOA* Entry() {
        return reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(bytes_.data());
    }

    std::vector<unsigned char> bytes_;
};

}  // namespace privacy
