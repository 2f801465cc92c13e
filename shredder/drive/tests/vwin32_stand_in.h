#pragma once
// A VWIN32 device over a volume image in memory: it checks every register
// block the way the 9x calls read them (function codes, drive numbers, the
// disk-I/O packet, a lock around each write) and answers with the carry
// flag set when a block is wrong.
#include <cstdint>
#include <vector>

#include "shredder/drive/volume_description.h"
#include "shredder/drive/vwin32_volume.h"

namespace drive_test {

using namespace shredder;

struct StandInLog {
    int locks = 0;
    int unlocks = 0;
    int reads = 0;
    int writes = 0;
    int rejected = 0;  // blocks answered with the carry flag
};

class Vwin32StandIn : public Vwin32Device {
public:
    Vwin32StandIn(std::vector<uint8_t>* image, char letter, FileSystemKind kind, StandInLog* log)
        : image_(*image), drive_(uint8_t(letter - 'A' + 1)), kind_(kind), log_(*log) {}

    // The only memory the register blocks may point into.
    void Expose(const void* area, size_t bytes) {
        area_ = static_cast<const uint8_t*>(area);
        areaBytes_ = bytes;
    }
    bool Call(uint32_t code, DiocRegisters* regs) override;
    uint32_t LastError() override { return 0; }

private:
    bool Reject(DiocRegisters* regs);
    bool Ioctl(DiocRegisters* regs);
    bool Sectors(DiocRegisters* regs, bool write);
    uint8_t* Resolve(uint32_t address, size_t bytes);

    std::vector<uint8_t>& image_;
    uint8_t drive_;
    FileSystemKind kind_;
    StandInLog& log_;
    const uint8_t* area_ = nullptr;
    size_t areaBytes_ = 0;
    int lockDepth_ = 0;
};

}  // namespace drive_test
