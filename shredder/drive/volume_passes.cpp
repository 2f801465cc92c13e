// The volume form of the overwrite loop.
#include "shredder/drive/volume_passes.h"

namespace shredder {

namespace {

class VolumeTarget : public BlockTarget {
public:
    explicit VolumeTarget(RawVolume& volume) : volume_(volume) {}
    bool Seek(uint64_t offset) override { return volume_.Seek(offset); }
    bool Write(const unsigned char* data, uint32_t length) override {
        return volume_.Write(data, length);
    }

private:
    RawVolume& volume_;
};

class SourceFiller : public PassFiller {
public:
    SourceFiller(PassSource& passes, uint8_t* buffer) : passes_(passes), buffer_(buffer) {}
    int PassCount() override { return passes_.PassCount(); }
    const unsigned char* FillPass(int number) override {
        passes_.FillPass(number - 1, buffer_);
        return buffer_;
    }

private:
    PassSource& passes_;
    uint8_t* buffer_;
};

class ObserverProgress : public PassProgress {
public:
    ObserverProgress(PassSource& passes, DriveObserver& observer, uint64_t itemRange)
        : passes_(passes), observer_(observer), itemRange_(itemRange) {}
    void PassStarted(int number, int) override {
        observer_.BeginPass(passes_.PassText(number - 1), itemRange_);
    }
    void BlockDone(uint32_t number) override { observer_.BlockWritten(number); }
    bool ShouldAbort() override { return observer_.ShouldAbort(); }

private:
    PassSource& passes_;
    DriveObserver& observer_;
    uint64_t itemRange_;
};

}  // namespace

std::vector<Extent> WrittenExtents(const PassPlan& plan) {
    KeptRanges none;
    const KeptRanges& kept = plan.kept ? *plan.kept : none;
    std::vector<Extent> extents;
    for (uint64_t position = plan.start;;) {
        ByteRange gap = kept.NextBlock(position, plan.end - position, plan.end);
        if (gap.length == 0) break;
        extents.push_back({gap.start, gap.length});
        position = gap.end();
    }
    return extents;
}

PassResult RunVolumePasses(RawVolume& volume, const PassPlan& plan, PassSource& passes,
                           DriveObserver& observer, uint8_t* buffer) {
    VolumeTarget target(volume);
    SourceFiller filler(passes, buffer);
    ObserverProgress progress(passes, observer, plan.itemRange);
    return RunPassLoop(filler, target, WrittenExtents(plan), progress, 0);
}

}  // namespace shredder
