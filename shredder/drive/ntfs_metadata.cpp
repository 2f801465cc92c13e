// The NTFS metadata scan of the whole-drive wipe.
#include "shredder/drive/ntfs_metadata.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "shredder/drive/mft_record.h"
#include "shredder/drive/run_list.h"
#include "shredder/drive/volume_io.h"

namespace shredder {
namespace {

constexpr uint32_t kFirstUserRecord = 24;   // records below are always the system's
constexpr uint32_t kFirstReservedRecord = 16;  // 16 to 23 may lie unused
constexpr uint32_t kLogFileRecord = 2;
constexpr uint32_t kMaxKeptRecords = 4096;

bool IsSystemName(const std::string& name) {
    static const char* const kNames[] = {"$ObjId", "$Quota", "$Reparse", "SYSTEM~1",
                                         "System Volume Information"};
    for (const char* n : kNames)
        if (name == n) return true;
    return false;
}

class MftReader {
public:
    MftReader(RawVolume& volume, const VolumeDescription& d) : volume_(volume), d_(d) {}

    // Record 0, read where the boot sector says the MFT begins; its data
    // attribute then maps every later record.
    NtfsScanResult Start(std::vector<uint8_t>* record0) {
        record0->resize(d_.mftRecordSize);
        if (!ReadVolumeBytes(volume_, d_.bytesPerSector, d_.MftOffset(), record0->data(),
                             record0->size()))
            return NtfsScanResult::ReadFailed;
        if (!ApplyFixups(record0->data(), record0->size())) return NtfsScanResult::Corrupt;
        for (const MftAttribute& a : ListAttributes(record0->data(), record0->size())) {
            if (a.type != kAttrData || !a.nonResident || a.named) continue;
            if (!DecodeRunList(a.runList, a.runListSize, &runs_) || runs_.empty())
                return NtfsScanResult::Corrupt;
            for (const DataRun& r : runs_) streamBytes_ += r.clusters * d_.ClusterBytes();
            return NtfsScanResult::Ok;
        }
        return NtfsScanResult::Corrupt;
    }

    const std::vector<DataRun>& runs() const { return runs_; }
    uint64_t recordCount() const { return streamBytes_ / d_.mftRecordSize; }

    // Reads record `index`, piece by piece where the MFT is fragmented. A
    // piece that the run list places outside the volume makes the volume
    // unreadable as NTFS (Corrupt): nothing it says can be trusted.
    NtfsScanResult Read(uint32_t index, std::vector<uint8_t>* record) {
        record->resize(d_.mftRecordSize);
        uint64_t stream = uint64_t(index) * d_.mftRecordSize;
        size_t done = 0;
        while (done < record->size()) {
            uint64_t at;
            if (!StreamToVolume(runs_, d_.ClusterBytes(), stream + done, &at))
                return NtfsScanResult::Corrupt;
            uint64_t inCluster = d_.ClusterBytes() - (stream + done) % d_.ClusterBytes();
            size_t piece = size_t(std::min<uint64_t>(inCluster, record->size() - done));
            if (piece > d_.VolumeBytes() || at > d_.VolumeBytes() - piece)
                return NtfsScanResult::Corrupt;
            if (!ReadVolumeBytes(volume_, d_.bytesPerSector, at, record->data() + done, piece))
                return NtfsScanResult::ReadFailed;
            done += piece;
        }
        return NtfsScanResult::Ok;
    }

private:
    RawVolume& volume_;
    const VolumeDescription& d_;
    std::vector<DataRun> runs_;
    uint64_t streamBytes_ = 0;
};

// Adds the clusters of a kept record's non-resident attributes. Record 0's
// unnamed data attribute (the MFT itself) is left to the caller.
bool KeepRecordRuns(const std::vector<uint8_t>& record, uint32_t index,
                    const VolumeDescription& d, NtfsMetadata* out) {
    for (const MftAttribute& a : ListAttributes(record.data(), record.size())) {
        if (!a.nonResident) continue;
        if (index == 0 && a.type == kAttrData && !a.named) continue;
        std::vector<DataRun> runs;
        if (!DecodeRunList(a.runList, a.runListSize, &runs)) return false;
        KeepRuns(runs, d.ClusterBytes(), d.VolumeBytes(), ~uint64_t(0), &out->kept);
        if (index == kLogFileRecord && a.type == kAttrData && !a.named) {
            KeptRanges log;
            KeepRuns(runs, d.ClusterBytes(), d.VolumeBytes(), ~uint64_t(0), &log);
            out->logFile = log.ranges();
        }
    }
    return true;
}

}  // namespace

NtfsScanResult ScanNtfsMetadata(RawVolume& volume, const VolumeDescription& d, NtfsMetadata* out) {
    *out = NtfsMetadata();
    MftReader mft(volume, d);
    std::vector<uint8_t> record;
    NtfsScanResult started = mft.Start(&record);
    if (started != NtfsScanResult::Ok) return started;

    uint64_t available = std::min<uint64_t>(mft.recordCount(), kMaxKeptRecords);
    if (available < kFirstUserRecord) return NtfsScanResult::Corrupt;
    uint32_t index = 0;
    for (; index < available; ++index) {
        const NtfsScanResult read = mft.Read(index, &record);
        if (read != NtfsScanResult::Ok) return read;
        bool valid = ApplyFixups(record.data(), record.size());
        if (index < kFirstReservedRecord && !valid) return NtfsScanResult::Corrupt;
        if (index >= kFirstUserRecord) {
            bool system = false;
            if (valid && RecordInUse(record.data(), record.size()))
                for (const std::string& name : RecordFileNames(record.data(), record.size()))
                    system = system || IsSystemName(name);
            if (!system) break;
        }
        if (valid && !KeepRecordRuns(record, index, d, out)) return NtfsScanResult::Corrupt;
    }
    out->keptRecords = index;
    KeepRuns(mft.runs(), d.ClusterBytes(), d.VolumeBytes(), uint64_t(index) * d.mftRecordSize,
             &out->kept);
    return NtfsScanResult::Ok;
}

}  // namespace shredder
