// One NTFS file record: fixups, attributes, names and run lists never reach
// outside the record, and the ranges a run list keeps stay inside the
// volume and in order.
#include "fuzz/drive_checks.h"
#include "shredder/drive/mft_record.h"
#include "shredder/drive/run_list.h"

namespace {

bool Inside(const uint8_t* part, size_t size, const std::vector<uint8_t>& record) {
    return part >= record.data() && part <= record.data() + record.size() &&
           size <= static_cast<size_t>(record.data() + record.size() - part);
}

void CheckRuns(const uint8_t* data, size_t size, uint64_t clusterBytes, uint64_t volumeBytes) {
    std::vector<shredder::DataRun> runs;
    shredder::DecodeRunList(data, size, &runs);
    FUZZ_CHECK(runs.size() <= size / 2);
    for (const shredder::DataRun& run : runs) {
        FUZZ_CHECK(run.clusters > 0);
        FUZZ_CHECK(run.sparse || run.lcn >= 0);
    }
    shredder::KeptRanges kept;
    shredder::KeepRuns(runs, clusterBytes, volumeBytes, ~uint64_t(0), &kept);
    fuzz::CheckKeptRanges(kept, volumeBytes);
    uint64_t at = 0;
    if (shredder::StreamToVolume(runs, clusterBytes, clusterBytes + 7, &at))
        FUZZ_CHECK(at % clusterBytes == 7 % clusterBytes);
    // The stream's first byte lies where its first run says, never at an
    // offset that wrapped round.
    if (shredder::StreamToVolume(runs, clusterBytes, 0, &at))
        FUZZ_CHECK(!runs.empty() && at / clusterBytes == uint64_t(runs.front().lcn));
}

}  // namespace

// The first byte picks the cluster size (512 << n) and the volume size;
// the rest is the record, cut down to whole 512-byte strides for fixups.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 2) return 0;
    const uint64_t clusterBytes = 512ull << (data[0] & 7);
    const uint64_t volumeBytes = clusterBytes << (8 + (data[0] >> 3));
    std::vector<uint8_t> record(data + 1, data + size);

    CheckRuns(record.data(), record.size(), clusterBytes, volumeBytes);

    std::vector<uint8_t> fixed(record.begin(), record.begin() + record.size() / 512 * 512);
    if (!fixed.empty() && shredder::ApplyFixups(fixed.data(), fixed.size())) {
        // Only the last two bytes of each stride may change.
        for (size_t i = 0; i < fixed.size(); ++i)
            if (i % 512 < 510) FUZZ_CHECK(fixed[i] == record[i]);
        record = fixed;
    }
    shredder::RecordInUse(record.data(), record.size());
    for (const shredder::MftAttribute& a : shredder::ListAttributes(record.data(), record.size())) {
        FUZZ_CHECK(a.nonResident ? a.value == nullptr : a.runList == nullptr);
        if (a.value) FUZZ_CHECK(Inside(a.value, a.valueSize, record));
        if (a.runList) {
            FUZZ_CHECK(Inside(a.runList, a.runListSize, record));
            CheckRuns(a.runList, a.runListSize, clusterBytes, volumeBytes);
        }
    }
    for (const std::string& name : shredder::RecordFileNames(record.data(), record.size())) {
        FUZZ_CHECK(name.size() <= 255);
        for (char c : name) FUZZ_CHECK(c >= 0x20 && c < 0x7F);
    }
    return 0;
}
