#include "shredder/algorithms/pass_loop.h"

#include <algorithm>

namespace shredder {

PassResult RunPasses(const Algorithm& algorithm, PassBuffer& buffer, RandomSource& random,
                     BlockTarget& target, const std::vector<Extent>& extents,
                     PassProgress& progress, uint32_t idleTicks, uint32_t (*lastError)()) {
    PassResult result;
    buffer.Zero();
    const int count = static_cast<int>(algorithm.passes.size());
    for (int number = 1; number <= count; ++number) {
        const Pass& pass = algorithm.passes[number - 1];
        result.pass = number;
        buffer.FillPassBuffer(pass, random);
        progress.PassStarted(number, count, pass);
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
                uint32_t length = static_cast<uint32_t>(std::min<uint64_t>(left, buffer.size()));
                if (!target.Write(buffer.data(), length)) {
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

}  // namespace shredder
