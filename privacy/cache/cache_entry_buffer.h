#pragma once
// The one record buffer a URL-cache enumeration reads into: grown only when
// the system asks for more room, zeroed and reused otherwise. The growing is
// bounded, so a system that keeps asking for room it never uses cannot keep
// the enumeration spinning.
#include <windows.h>
#include <wininet.h>

#include <functional>
#include <vector>

namespace privacy {

class CacheEntryBuffer {
public:
    // Reads one record into `entry`, which holds `*size` bytes. On failure it
    // leaves the reason in the thread's last error; for
    // ERROR_INSUFFICIENT_BUFFER it has written the size it needs to `*size`.
    using Reader = std::function<bool(INTERNET_CACHE_ENTRY_INFOA* entry, DWORD* size)>;

    // The largest record we accept, and how often one read may grow the buffer.
    static constexpr DWORD kLargest = 1024 * 1024;
    static constexpr int kMostGrowths = 4;

    // Makes the buffer at least `required` bytes (zeroed) and reads into it,
    // growing it to the size the reader names after a too-small read. Null
    // when the read fails, or the reader asks for no more room than it had,
    // for more than kLargest, or more than kMostGrowths times.
    INTERNET_CACHE_ENTRY_INFOA* Fill(DWORD required, const Reader& read);

    DWORD size() const { return static_cast<DWORD>(bytes_.size()); }

private:
    INTERNET_CACHE_ENTRY_INFOA* Entry() {
        return reinterpret_cast<INTERNET_CACHE_ENTRY_INFOA*>(bytes_.data());
    }

    std::vector<unsigned char> bytes_;
};

}  // namespace privacy
