// Sector-aligned reads and read-modify-writes for byte ranges.
#include "shredder/drive/volume_io.h"

#include <cstring>
#include <vector>

namespace shredder {
namespace {

constexpr uint64_t kMaxSpan = 1u << 20;

bool Span(uint32_t sectorBytes, uint64_t offset, size_t length, uint64_t* first, uint64_t* bytes) {
    if (sectorBytes == 0 || length == 0) return false;
    *first = offset / sectorBytes * sectorBytes;
    uint64_t end = (offset + length + sectorBytes - 1) / sectorBytes * sectorBytes;
    *bytes = end - *first;
    return *bytes <= kMaxSpan;
}

}  // namespace

bool ReadVolumeBytes(RawVolume& volume, uint32_t sectorBytes, uint64_t offset, uint8_t* out,
                     size_t length) {
    uint64_t first, bytes;
    if (!Span(sectorBytes, offset, length, &first, &bytes)) return false;
    std::vector<uint8_t> buffer(static_cast<size_t>(bytes));
    if (!volume.Seek(first) || !volume.Read(buffer.data(), uint32_t(bytes))) return false;
    std::memcpy(out, buffer.data() + (offset - first), length);
    return true;
}

bool WriteVolumeBytes(RawVolume& volume, uint32_t sectorBytes, uint64_t offset,
                      const uint8_t* data, size_t length) {
    uint64_t first, bytes;
    if (!Span(sectorBytes, offset, length, &first, &bytes)) return false;
    std::vector<uint8_t> buffer(static_cast<size_t>(bytes));
    if (!volume.Seek(first) || !volume.Read(buffer.data(), uint32_t(bytes))) return false;
    std::memcpy(buffer.data() + (offset - first), data, length);
    return volume.Seek(first) && volume.Write(buffer.data(), uint32_t(bytes));
}

}  // namespace shredder
