#pragma once
// The whole-drive wipe's passes taken from the run's algorithm: the same
// pass buffer the file engine fills, seeded from the clock as the drive
// starts, and the same pass lines in the progress window.
#include "shredder/algorithms/algorithm.h"
#include "shredder/algorithms/pass_buffer.h"
#include "shredder/core/shredder_texts.h"
#include "shredder/drive/engine_interfaces.h"

namespace shredder {

class AlgorithmPassSource : public PassSource {
public:
    AlgorithmPassSource(const Algorithm& algorithm, PassBuffer& buffer, RandomSource& random,
                        const ShredderTexts& texts)
        : algorithm_(algorithm), buffer_(buffer), random_(random), texts_(texts) {}

    int PassCount() override { return static_cast<int>(algorithm_.passes.size()); }
    // Pass 0 reseeds and starts from a zeroed buffer, so a complement pass
    // first writes ones; each later pass builds on the one before.
    void FillPass(int index, uint8_t* buffer) override;
    std::string PassText(int index) override;

private:
    const Algorithm& algorithm_;
    PassBuffer& buffer_;
    RandomSource& random_;
    const ShredderTexts& texts_;
};

}  // namespace shredder
