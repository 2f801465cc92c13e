#include "shredder/algorithms/pass_loop.h"

#include <algorithm>

namespace shredder {

namespace {

// An algorithm's passes over one pass buffer.
class AlgorithmFiller : public PassFiller {
public:
    AlgorithmFiller(const Algorithm& algorithm, PassBuffer& buffer, RandomSource& random)
        : algorithm_(algorithm), buffer_(buffer), random_(random) {}
    int PassCount() override { return static_cast<int>(algorithm_.passes.size()); }
    const unsigned char* FillPass(int number) override {
        buffer_.FillPassBuffer(algorithm_.passes[number - 1], random_);
        return buffer_.data();
    }

private:
    const Algorithm& algorithm_;
    PassBuffer& buffer_;
    RandomSource& random_;
};

}  // namespace

PassResult RunPassLoop(PassFiller& filler, BlockTarget& target, const std::vector<Extent>& extents,
                       PassProgress& progress, uint32_t idleTicks, uint32_t (*lastError)()) {
    PassResult result;
    const int count = filler.PassCount();
    for (int number = 1; number <= count; ++number) {
        result.pass = number;
        const unsigned char* data = filler.FillPass(number);
        progress.PassStarted(number, count);
        uint32_t block = 0;
        for (const Extent& extent : extents) {
            if (progress.ShouldAbort()) {
                result.outcome = PassOutcome::Aborted;
                return result;
            }
            if (!target.Seek(extent.offset)) {
                result.outcome = PassOutcome::SeekFailed;
                result.offset = extent.offset;
                result.error = lastError ? lastError() : 0;
                return result;
            }
            uint64_t left = extent.length;
            uint64_t offset = extent.offset;
            while (left > 0) {
                if (progress.ShouldAbort()) {
                    result.outcome = PassOutcome::Aborted;
                    return result;
                }
                uint32_t length = static_cast<uint32_t>(std::min<uint64_t>(left, kPassBufferSize));
                if (!target.Write(data, length)) {
                    result.outcome = PassOutcome::WriteFailed;
                    result.offset = offset;
                    result.error = lastError ? lastError() : 0;
                    return result;
                }
                left -= length;
                offset += length;
                progress.BlockDone(++block);
            }
        }
        for (uint32_t i = 0; i < idleTicks; ++i) {
            if (progress.ShouldAbort()) {
                result.outcome = PassOutcome::Aborted;
                return result;
            }
            progress.BlockDone(++block);
        }
        if (number < count && progress.ShouldAbort()) {
            result.outcome = PassOutcome::Aborted;
            return result;
        }
    }
    return result;
}

PassResult RunPasses(const Algorithm& algorithm, PassBuffer& buffer, RandomSource& random,
                     BlockTarget& target, const std::vector<Extent>& extents,
                     PassProgress& progress, uint32_t idleTicks, uint32_t (*lastError)()) {
    buffer.Zero();
    AlgorithmFiller filler(algorithm, buffer, random);
    return RunPassLoop(filler, target, extents, progress, idleTicks, lastError);
}

}  // namespace shredder
