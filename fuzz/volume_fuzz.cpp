// A volume image: its boot sector parses to sizes that stay consistent,
// the NTFS scan keeps only ranges inside the volume, and emptying a FAT
// volume touches nothing before its tables or past its root directory.
#include "fuzz/drive_checks.h"
#include "shredder/drive/fat_metadata.h"
#include "shredder/drive/ntfs_metadata.h"
#include "shredder/drive/volume_description.h"

namespace {

using shredder::FileSystemKind;
using shredder::VolumeDescription;

void CheckDescription(const VolumeDescription& d) {
    FUZZ_CHECK(d.bytesPerSector >= 512 && d.bytesPerSector <= 4096);
    FUZZ_CHECK(d.ClusterBytes() > 0);
    if (d.kind == FileSystemKind::Ntfs) {
        FUZZ_CHECK(d.mftRecordSize >= 256 && d.mftRecordSize <= 65536);
        FUZZ_CHECK(d.MftOffset() + d.mftRecordSize <= d.VolumeBytes());
        return;
    }
    FUZZ_CHECK(d.StartOffset() < d.VolumeBytes());
    FUZZ_CHECK(d.DataOffset() + d.clusterCount * d.ClusterBytes() <= d.VolumeBytes());
    FUZZ_CHECK(d.RootOffset() >= d.StartOffset());
    FUZZ_CHECK(d.RootOffset() + d.RootBytes() <= d.VolumeBytes());
    if (d.kind == FileSystemKind::Fat32)
        FUZZ_CHECK(d.rootCluster >= 2 && d.rootCluster < d.clusterCount + 2);
}

void EmptyFat(fuzz::MemoryVolume& volume, const VolumeDescription& d) {
    const std::vector<uint8_t> before = volume.bytes();
    shredder::LabelEntry label;
    if (!shredder::FindLabelEntry(volume, d, &label)) return;
    shredder::ClearFats(volume, d);
    shredder::ClearRoot(volume, d, label);
    shredder::MarkFreeSpaceUnknown(volume, d);
    // The boot sector and every data cluster but the root directory's stay.
    const std::vector<uint8_t>& after = volume.bytes();
    for (size_t i = 0; i < 512 && i < after.size(); ++i) FUZZ_CHECK(after[i] == before[i]);
    const uint64_t rootEnd = d.RootOffset() + d.RootBytes();
    for (size_t i = 0; i < after.size(); ++i) {
        if (i >= d.StartOffset() && (i < d.RootOffset() || i >= rootEnd))
            FUZZ_CHECK(after[i] == before[i]);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    VolumeDescription d;
    const shredder::BootSectorResult result = shredder::ParseBootSector(data, size, &d);
    if (result != shredder::BootSectorResult::Ok) return 0;
    CheckDescription(d);
    fuzz::MemoryVolume volume(data, size);
    if (d.kind == FileSystemKind::Ntfs) {
        shredder::NtfsMetadata metadata;
        if (shredder::ScanNtfsMetadata(volume, d, &metadata) == shredder::NtfsScanResult::Ok) {
            fuzz::CheckKeptRanges(metadata.kept, d.VolumeBytes());
            for (const shredder::ByteRange& range : metadata.logFile)
                FUZZ_CHECK(range.length > 0 && range.end() <= d.VolumeBytes());
        }
        FUZZ_CHECK(volume.bytes() == std::vector<uint8_t>(data, data + size / 512 * 512));
        return 0;
    }
    EmptyFat(volume, d);
    return 0;
}
