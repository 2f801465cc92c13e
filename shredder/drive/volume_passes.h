#pragma once
// The overwrite passes over a raw volume: every pass of the algorithm from
// the start offset to the end, in 64 KB blocks cut around the kept ranges.
#include <cstdint>

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

enum class PassResult { Done, Aborted, WriteFailed };

// Runs every pass of `passes` over the plan. `buffer` is the 64 KB pass
// buffer. The abort flag is read before every block and after every pass.
PassResult RunVolumePasses(RawVolume& volume, const PassPlan& plan, PassSource& passes,
                           ShredObserver& observer, uint8_t* buffer);

}  // namespace shredder
