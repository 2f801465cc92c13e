// Register blocks of the 9x absolute-disk calls.
#include "shredder/drive/vwin32_registers.h"

namespace shredder {
namespace {

constexpr uint32_t kIoctlBlockDevice = 0x440D;
constexpr uint32_t kLockVolume = 0x084A;
constexpr uint32_t kUnlockVolume = 0x086A;
constexpr uint32_t kUnlockVolume32 = 0x486A;
constexpr uint32_t kLockLevel = 1;
constexpr uint32_t kLockPermissions = 1;
constexpr uint32_t kExtAbsDisk = 0x7305;
constexpr uint32_t kWholePacket = 0xFFFF;  // CX = -1: EBX holds a packet

Vwin32Call Ioctl(uint32_t minor, uint32_t ebx) {
    Vwin32Call c{kVwin32DosIoctl, {}};
    c.registers.eax = kIoctlBlockDevice;
    c.registers.ecx = minor;
    c.registers.ebx = ebx;
    return c;
}

Vwin32Call Absolute(uint32_t code, uint8_t drive, uint32_t packet) {
    Vwin32Call c{code, {}};
    c.registers.eax = uint32_t(drive - 1);
    c.registers.ecx = kWholePacket;
    c.registers.ebx = packet;
    return c;
}

Vwin32Call Extended(uint8_t drive, uint32_t packet, uint32_t direction) {
    Vwin32Call c{kVwin32Int21, {}};
    c.registers.eax = kExtAbsDisk;
    c.registers.ecx = kWholePacket;
    c.registers.edx = drive;
    c.registers.esi = direction;
    c.registers.ebx = packet;
    return c;
}

}  // namespace

Vwin32Call LockLogicalVolume(uint8_t drive) {
    Vwin32Call c = Ioctl(kLockVolume, drive | (kLockLevel << 8));
    c.registers.edx = kLockPermissions;
    return c;
}

Vwin32Call UnlockLogicalVolume(uint8_t drive) { return Ioctl(kUnlockVolume, drive); }
Vwin32Call UnlockLogicalVolume32(uint8_t drive) { return Ioctl(kUnlockVolume32, drive); }
Vwin32Call AbsDiskRead(uint8_t drive, uint32_t packet) { return Absolute(kVwin32Int25, drive, packet); }
Vwin32Call AbsDiskWrite(uint8_t drive, uint32_t packet) { return Absolute(kVwin32Int26, drive, packet); }
Vwin32Call ExtAbsDiskRead(uint8_t drive, uint32_t packet) { return Extended(drive, packet, 0); }
Vwin32Call ExtAbsDiskWrite(uint8_t drive, uint32_t packet) { return Extended(drive, packet, 1); }

}  // namespace shredder
