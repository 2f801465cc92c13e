// The volume form of the overwrite loop.
#include "shredder/drive/volume_passes.h"

namespace shredder {

PassResult RunVolumePasses(RawVolume& volume, const PassPlan& plan, PassSource& passes,
                           ShredObserver& observer, uint8_t* buffer) {
    KeptRanges none;
    const KeptRanges& kept = plan.kept ? *plan.kept : none;
    int count = passes.PassCount();
    for (int pass = 0; pass < count; ++pass) {
        passes.FillPass(pass, buffer);
        observer.BeginPass(passes.PassText(pass), plan.itemRange);
        uint64_t position = plan.start, block = 0;
        for (;;) {
            if (observer.ShouldAbort()) return PassResult::Aborted;
            ByteRange next = kept.NextBlock(position, kPassBufferBytes, plan.end);
            if (next.length == 0) break;
            if (!volume.Seek(next.start) || !volume.Write(buffer, uint32_t(next.length)))
                return PassResult::WriteFailed;
            position = next.end();
            observer.BlockWritten(++block);
        }
        if (observer.ShouldAbort()) return PassResult::Aborted;
    }
    return PassResult::Done;
}

}  // namespace shredder
