#pragma once
// The overwrite passes over a raw volume: the shared pass loop run from the
// start offset to the end, over the gaps between the kept ranges.
#include <cstdint>
#include <vector>

#include "shredder/algorithms/pass_loop.h"
#include "shredder/drive/engine_interfaces.h"
#include "shredder/drive/kept_ranges.h"
#include "shredder/drive/raw_volume.h"

namespace shredder {

struct PassPlan {
    uint64_t start = 0;         // first byte written
    uint64_t end = 0;           // one past the last byte written
    const KeptRanges* kept = nullptr;
    uint64_t itemRange = 0;     // the item bar's range for one pass
};

// The byte ranges of [start, end) outside every kept range, in order.
std::vector<Extent> WrittenExtents(const PassPlan& plan);

// Runs every pass of `passes` over the plan. `buffer` is the 64 KB pass
// buffer the passes fill. The abort flag is read before every block and
// between passes.
PassResult RunVolumePasses(RawVolume& volume, const PassPlan& plan, PassSource& passes,
                           DriveObserver& observer, uint8_t* buffer);

}  // namespace shredder
