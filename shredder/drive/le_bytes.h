#pragma once
// Little-endian field access for on-disk structures (boot sectors, FAT and
// MFT entries). Callers check bounds before reading; these never do.
#include <cstddef>
#include <cstdint>

namespace shredder {

inline uint16_t Le16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }

inline uint32_t Le32(const uint8_t* p) {
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) |
           (uint32_t(p[3]) << 24);
}

inline uint64_t Le64(const uint8_t* p) { return uint64_t(Le32(p)) | (uint64_t(Le32(p + 4)) << 32); }

inline void PutLe16(uint8_t* p, uint16_t v) {
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}

inline void PutLe32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = uint8_t(v >> (8 * i));
}

// `size` bytes (1 to 8) as an unsigned value.
inline uint64_t LeUnsigned(const uint8_t* p, size_t size) {
    uint64_t v = 0;
    for (size_t i = 0; i < size; ++i) v |= uint64_t(p[i]) << (8 * i);
    return v;
}

// `size` bytes (1 to 8) as a two's-complement value.
inline int64_t LeSigned(const uint8_t* p, size_t size) {
    uint64_t v = LeUnsigned(p, size);
    if (size < 8 && (p[size - 1] & 0x80)) v |= ~uint64_t(0) << (8 * size);
    return int64_t(v);
}

}  // namespace shredder
