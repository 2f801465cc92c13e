// Mapping-pairs decoding and the byte ranges a run list covers.
#include "shredder/drive/run_list.h"

#include <algorithm>

#include "shredder/drive/le_bytes.h"

namespace shredder {

bool DecodeRunList(const uint8_t* data, size_t size, std::vector<DataRun>* runs) {
    int64_t lcn = 0;
    size_t pos = 0;
    while (pos < size) {
        uint8_t header = data[pos++];
        if (header == 0) return true;
        size_t lengthSize = header & 0x0F, offsetSize = header >> 4;
        if (lengthSize == 0 || lengthSize > 8 || offsetSize > 8 ||
            size - pos < lengthSize + offsetSize)
            return false;
        DataRun run;
        run.clusters = LeUnsigned(data + pos, lengthSize);
        pos += lengthSize;
        if (run.clusters == 0 || int64_t(run.clusters) < 0) return false;
        if (offsetSize == 0) {
            run.sparse = true;
        } else {
            int64_t delta = LeSigned(data + pos, offsetSize);
            pos += offsetSize;
            // lcn is never negative here, so lcn + delta cannot overflow
            // downwards, and -delta is never taken (it has no value for
            // the most negative delta).
            if (delta < 0 ? lcn + delta < 0 : lcn > INT64_MAX - delta) return false;
            lcn += delta;
            run.lcn = lcn;
        }
        runs->push_back(run);
    }
    return false;
}

void KeepRuns(const std::vector<DataRun>& runs, uint64_t clusterBytes, uint64_t volumeBytes,
              uint64_t streamLimit, KeptRanges* kept) {
    uint64_t streamPos = 0;
    for (const DataRun& run : runs) {
        if (streamPos >= streamLimit) break;
        uint64_t maxClusters = (~uint64_t(0)) / clusterBytes;
        uint64_t bytes = std::min(run.clusters, maxClusters) * clusterBytes;
        uint64_t take = std::min(bytes, streamLimit - streamPos);
        if (!run.sparse && uint64_t(run.lcn) < maxClusters) {
            uint64_t start = uint64_t(run.lcn) * clusterBytes;
            if (start < volumeBytes) kept->Add(start, std::min(take, volumeBytes - start));
        }
        streamPos += take;
    }
}

bool StreamToVolume(const std::vector<DataRun>& runs, uint64_t clusterBytes,
                    uint64_t streamOffset, uint64_t* volumeOffset) {
    if (clusterBytes == 0) return false;
    uint64_t cluster = streamOffset / clusterBytes;
    for (const DataRun& run : runs) {
        if (cluster < run.clusters) {
            if (run.sparse) return false;
            // A run that lies beyond what 64 bits address is no place on
            // any volume: the offset must not wrap round to a small one.
            const uint64_t first = uint64_t(run.lcn);
            const uint64_t maxCluster = ~uint64_t(0) / clusterBytes;
            if (first > maxCluster || cluster > maxCluster - first) return false;
            const uint64_t start = (first + cluster) * clusterBytes;
            const uint64_t within = streamOffset % clusterBytes;
            if (start > ~uint64_t(0) - within) return false;
            *volumeOffset = start + within;
            return true;
        }
        cluster -= run.clusters;
    }
    return false;
}

}  // namespace shredder
