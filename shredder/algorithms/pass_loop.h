#pragma once
// The one overwrite loop: every pass of an algorithm written over a target's
// extents in 64 KB blocks. Files, the free-space fill files and whole
// volumes share it; each brings its own target (where the bytes go) and
// progress (bars, message pump, Cancel).
#include <cstdint>
#include <vector>

#include "shredder/algorithms/algorithm.h"
#include "shredder/algorithms/pass_buffer.h"

namespace shredder {

// A byte range of the target that every pass overwrites.
struct Extent {
    uint64_t offset;
    uint64_t length;
};

// Where a pass's bytes go. Write answers false unless all bytes were written.
class BlockTarget {
public:
    virtual ~BlockTarget() = default;
    virtual bool Seek(uint64_t offset) = 0;
    virtual bool Write(const unsigned char* data, uint32_t length) = 0;
};

// Implemented by each front end of the loop; called on the loop's thread.
class PassProgress {
public:
    virtual ~PassProgress() = default;
    // Pass `number` (from 1) of `count` starts, its buffer filled.
    virtual void PassStarted(int number, int count) = 0;
    // Block `number` (from 1) of the pass is done: bars, repaint, messages.
    virtual void BlockDone(uint32_t number) = 0;
    // Asked before every block and after every pass.
    virtual bool ShouldAbort() = 0;
};

enum class PassOutcome { Done, Aborted, SeekFailed, WriteFailed };

struct PassResult {
    PassOutcome outcome = PassOutcome::Done;
    int pass = 0;              // the pass it ended in (from 1)
    uint64_t offset = 0;       // where a failed write or seek was aimed
    uint32_t error = 0;        // the target's error code, when it failed
};

// Makes the data of each pass. The loop asks for the passes in order; a
// filler may keep state from one pass to the next (a complement pass).
class PassFiller {
public:
    virtual ~PassFiller() = default;
    virtual int PassCount() = 0;
    // The 64 KB every block of pass `number` (from 1) writes.
    virtual const unsigned char* FillPass(int number) = 0;
};

// Runs every pass of the filler in order over the extents, in blocks of at
// most 64 KB. Each pass ticks BlockDone once per block written and then
// `idleTicks` more times. `lastError` reads the target's error code when a
// write or seek fails.
PassResult RunPassLoop(PassFiller& filler, BlockTarget& target, const std::vector<Extent>& extents,
                       PassProgress& progress, uint32_t idleTicks,
                       uint32_t (*lastError)() = nullptr);

// Runs every pass of an algorithm in order over the extents. The buffer is
// zeroed first, so a complement pass at the start writes ones, never stale
// data.
PassResult RunPasses(const Algorithm& algorithm, PassBuffer& buffer, RandomSource& random,
                     BlockTarget& target, const std::vector<Extent>& extents,
                     PassProgress& progress, uint32_t idleTicks, uint32_t (*lastError)() = nullptr);

}  // namespace shredder
