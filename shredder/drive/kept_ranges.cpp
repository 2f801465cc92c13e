// The ordered, joined list of kept ranges and the block cutting around it.
#include "shredder/drive/kept_ranges.h"

#include <algorithm>

namespace shredder {

void KeptRanges::Add(uint64_t start, uint64_t length) {
    if (length == 0) return;
    uint64_t end = start + length < start ? ~uint64_t(0) : start + length;
    std::vector<ByteRange> merged;
    merged.reserve(ranges_.size() + 1);
    bool placed = false;
    for (const ByteRange& r : ranges_) {
        if (r.end() < start) {
            merged.push_back(r);
        } else if (r.start > end) {
            if (!placed) merged.push_back({start, end - start});
            placed = true;
            merged.push_back(r);
        } else {
            start = std::min(start, r.start);
            end = std::max(end, r.end());
        }
    }
    if (!placed) merged.push_back({start, end - start});
    ranges_.swap(merged);
}

void KeptRanges::AlignTo(uint32_t unit) {
    if (unit <= 1) return;
    std::vector<ByteRange> old;
    old.swap(ranges_);
    for (const ByteRange& r : old) {
        uint64_t start = r.start / unit * unit;
        uint64_t end = (r.end() + unit - 1) / unit * unit;
        Add(start, end - start);
    }
}

bool KeptRanges::Contains(uint64_t offset) const {
    for (const ByteRange& r : ranges_)
        if (offset >= r.start && offset < r.end()) return true;
    return false;
}

uint64_t KeptRanges::CoveredBytes(uint64_t from, uint64_t to) const {
    uint64_t total = 0;
    for (const ByteRange& r : ranges_) {
        uint64_t a = std::max(from, r.start), b = std::min(to, r.end());
        if (a < b) total += b - a;
    }
    return total;
}

ByteRange KeptRanges::NextBlock(uint64_t position, uint64_t maxLength, uint64_t end) const {
    for (const ByteRange& r : ranges_) {
        if (r.end() <= position) continue;
        if (r.start <= position) {
            position = r.end();
            continue;
        }
        end = std::min(end, r.start);
        break;
    }
    if (position >= end) return {position, 0};
    return {position, std::min(maxLength, end - position)};
}

}  // namespace shredder
