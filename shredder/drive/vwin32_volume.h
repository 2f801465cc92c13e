#pragma once
// The raw volume of a FAT drive on Windows 95, 98 and Me: absolute-sector
// reads and writes through the VWIN32 device, FAT16 by INT 25h/26h, FAT32 by
// INT 21h function 7305h, each write inside a volume lock of its own.
// Window-free: the device is an interface, so the register traffic can be
// checked against a stand-in device.
#include <cstdint>
#include <memory>

#include "shredder/drive/raw_volume.h"
#include "shredder/drive/volume_description.h"
#include "shredder/drive/vwin32_registers.h"

namespace shredder {

// The VWIN32 device: one control call with a register block in and out.
class Vwin32Device {
public:
    virtual ~Vwin32Device() = default;
    // False when the device call itself failed (the carry flag in `regs`
    // reports the DOS call's own failure).
    virtual bool Call(uint32_t code, DiocRegisters* regs) = 0;
    virtual uint32_t LastError() = 0;
};

class Vwin32Volume : public RawVolume {
public:
    static constexpr uint32_t kSectorBytes = 512;

    // `letter` 'A' to 'Z'; `kind` picks the call family (NTFS: every
    // transfer fails).
    Vwin32Volume(std::unique_ptr<Vwin32Device> device, char letter, FileSystemKind kind);
    ~Vwin32Volume() override;

    // Checks that the volume can be locked, and leaves it unlocked: each
    // write takes the lock for its own duration.
    bool Lock() override;
    bool Dismount() override { return true; }
    bool Seek(uint64_t offset) override;
    uint64_t Position() const override { return position_; }
    bool Read(void* buffer, uint32_t bytes) override;
    bool Write(const void* buffer, uint32_t bytes) override;
    uint64_t Size() override { return 0; }
    uint32_t LastError() const override { return error_; }

    // The memory the register blocks point into (packet and transfer
    // buffer); the device touches nothing else.
    const void* TransferArea() const;
    size_t TransferAreaBytes() const;

private:
    struct Area;
    // `count` sectors from `sector` between the volume and the transfer
    // buffer, by the FAT16 or the FAT32 call family.
    bool ReadSectors9x(uint64_t sector, uint32_t count);
    bool WriteSectors9x(uint64_t sector, uint32_t count);
    bool Transfer(uint64_t sector, uint32_t count, bool write);
    bool Issue(const Vwin32Call& call);
    Vwin32Call Unlock() const;

    std::unique_ptr<Vwin32Device> device_;
    std::unique_ptr<Area> area_;
    uint8_t drive_;
    FileSystemKind kind_;
    uint64_t position_ = 0;
    uint32_t error_ = 0;
};

}  // namespace shredder
