#pragma once
// Byte ranges of a volume that the overwrite passes must leave alone (NTFS
// metafiles, a FAT root directory), and the rule that cuts the passes'
// blocks around them: no byte of a kept range is ever written.
#include <cstdint>
#include <vector>

namespace shredder {

struct ByteRange {
    uint64_t start = 0;
    uint64_t length = 0;
    uint64_t end() const { return start + length; }
};

class KeptRanges {
public:
    // Adds [start, start + length); overlapping and touching ranges are
    // joined, so the list stays ordered and disjoint. Empty ranges are
    // ignored.
    void Add(uint64_t start, uint64_t length);
    // Widens every range outwards to whole units (sectors), so that blocks
    // cut around them stay aligned.
    void AlignTo(uint32_t unit);

    const std::vector<ByteRange>& ranges() const { return ranges_; }
    bool Contains(uint64_t offset) const;
    // Kept bytes inside [from, to).
    uint64_t CoveredBytes(uint64_t from, uint64_t to) const;

    // The next block to write at or after `position`, at most `maxLength`
    // bytes and never past `end`: a position inside a kept range moves past
    // it, a block that would run into the next range stops where it begins.
    // Length 0: nothing is left to write before `end`.
    ByteRange NextBlock(uint64_t position, uint64_t maxLength, uint64_t end) const;

private:
    std::vector<ByteRange> ranges_;
};

}  // namespace shredder
