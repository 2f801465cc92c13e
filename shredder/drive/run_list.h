#pragma once
// NTFS run lists (mapping pairs): where a non-resident attribute's clusters
// lie on the volume. Window-free.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "shredder/drive/kept_ranges.h"

namespace shredder {

struct DataRun {
    uint64_t clusters = 0;
    int64_t lcn = 0;      // first cluster on the volume; meaningless when sparse
    bool sparse = false;  // no clusters on the volume (reads as zeros)
};

// Decodes the mapping pairs at `data` (at most `size` bytes, ending at a
// zero header byte). Offsets are signed deltas from the previous run.
// False, with `runs` holding what came before, when the list is cut short,
// has a field wider than 8 bytes, a zero length or leads before cluster 0.
bool DecodeRunList(const uint8_t* data, size_t size, std::vector<DataRun>* runs);

// Adds the runs' bytes to `kept`: sparse runs are skipped (they have no
// clusters), only the first `streamLimit` bytes of the stream count, and
// nothing beyond `volumeBytes` is added.
void KeepRuns(const std::vector<DataRun>& runs, uint64_t clusterBytes, uint64_t volumeBytes,
              uint64_t streamLimit, KeptRanges* kept);

// The volume offset of byte `streamOffset` of the stream, or false when it
// falls in a sparse run or past the last run.
bool StreamToVolume(const std::vector<DataRun>& runs, uint64_t clusterBytes,
                    uint64_t streamOffset, uint64_t* volumeOffset);

}  // namespace shredder
