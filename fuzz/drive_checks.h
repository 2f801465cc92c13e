#pragma once
// What the drive targets share: a volume held in memory that refuses what
// a real device refuses (partial sectors, bytes past its end), and the
// shape every list of kept ranges must have.
#include <cstring>
#include <vector>

#include "fuzz/fuzz_check.h"
#include "shredder/drive/kept_ranges.h"
#include "shredder/drive/raw_volume.h"

namespace fuzz {

class MemoryVolume : public shredder::RawVolume {
public:
    MemoryVolume(const uint8_t* data, size_t size) : bytes_(data, data + size / 512 * 512) {}

    bool Lock() override { return true; }
    bool Dismount() override { return true; }
    bool Seek(uint64_t offset) override {
        position_ = offset;
        return offset % 512 == 0;
    }
    uint64_t Position() const override { return position_; }
    bool Read(void* buffer, uint32_t bytes) override {
        if (!Fits(bytes)) return false;
        std::memcpy(buffer, bytes_.data() + position_, bytes);
        position_ += bytes;
        return true;
    }
    bool Write(const void* buffer, uint32_t bytes) override {
        if (!Fits(bytes)) return false;
        std::memcpy(bytes_.data() + position_, buffer, bytes);
        position_ += bytes;
        return true;
    }
    uint64_t Size() override { return bytes_.size(); }
    uint32_t LastError() const override { return 23; }

    const std::vector<uint8_t>& bytes() const { return bytes_; }

private:
    bool Fits(uint32_t bytes) const {
        return position_ % 512 == 0 && bytes % 512 == 0 && position_ <= bytes_.size() &&
               bytes <= bytes_.size() - position_;
    }

    std::vector<uint8_t> bytes_;
    uint64_t position_ = 0;
};

// Ordered, disjoint, not touching, never empty, and inside the volume.
inline void CheckKeptRanges(const shredder::KeptRanges& kept, uint64_t volumeBytes) {
    const std::vector<shredder::ByteRange>& ranges = kept.ranges();
    for (size_t i = 0; i < ranges.size(); ++i) {
        FUZZ_CHECK(ranges[i].length > 0);
        FUZZ_CHECK(ranges[i].start < volumeBytes && ranges[i].length <= volumeBytes - ranges[i].start);
        if (i > 0) FUZZ_CHECK(ranges[i - 1].end() < ranges[i].start);
    }
}

}  // namespace fuzz
