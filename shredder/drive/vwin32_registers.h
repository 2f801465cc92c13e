#pragma once
// The register blocks of the Windows 9x absolute-disk calls made through the
// VWIN32 device: DOS IOCTL volume locks, INT 25h/26h for FAT16 and INT 21h
// function 7305h for FAT32. Window-free, so the blocks can be checked on
// any host. Drive numbers count from A = 1.
#include <cstdint>

namespace shredder {

// The device's register image, in the order the device expects.
struct DiocRegisters {
    uint32_t ebx = 0;
    uint32_t edx = 0;
    uint32_t ecx = 0;
    uint32_t eax = 0;
    uint32_t edi = 0;
    uint32_t esi = 0;
    uint32_t flags = 0;
};
static_assert(sizeof(DiocRegisters) == 28, "the device reads 28 bytes");

constexpr uint32_t kCarryFlag = 0x0001;  // set on return: the call failed

// Device control codes.
constexpr uint32_t kVwin32DosIoctl = 1;
constexpr uint32_t kVwin32Int25 = 2;
constexpr uint32_t kVwin32Int26 = 3;
constexpr uint32_t kVwin32Int21 = 6;

#pragma pack(push, 1)
// The disk-I/O packet EBX points at: first sector, count, transfer buffer.
struct DiskIoPacket {
    uint32_t startSector;
    uint16_t sectors;
    uint32_t buffer;
};
#pragma pack(pop)
static_assert(sizeof(DiskIoPacket) == 10, "packed as the system reads it");

struct Vwin32Call {
    uint32_t code;
    DiocRegisters registers;
};

Vwin32Call LockLogicalVolume(uint8_t drive);
Vwin32Call UnlockLogicalVolume(uint8_t drive);
Vwin32Call UnlockLogicalVolume32(uint8_t drive);
// `packet` is the 32-bit address of a DiskIoPacket.
Vwin32Call AbsDiskRead(uint8_t drive, uint32_t packet);
Vwin32Call AbsDiskWrite(uint8_t drive, uint32_t packet);
Vwin32Call ExtAbsDiskRead(uint8_t drive, uint32_t packet);
Vwin32Call ExtAbsDiskWrite(uint8_t drive, uint32_t packet);

}  // namespace shredder
