// The stand-in VWIN32 device.
#include "shredder/drive/tests/vwin32_stand_in.h"

#include <cstring>

namespace drive_test {
namespace {

constexpr uint16_t kDosInvalidFunction = 1;

uint32_t Low32(const void* p) { return uint32_t(reinterpret_cast<uintptr_t>(p)); }

}  // namespace

bool Vwin32StandIn::Reject(DiocRegisters* regs) {
    ++log_.rejected;
    regs->flags |= kCarryFlag;
    regs->eax = kDosInvalidFunction;
    return true;  // the device call itself went through
}

uint8_t* Vwin32StandIn::Resolve(uint32_t address, size_t bytes) {
    uint32_t offset = address - Low32(area_);
    if (!area_ || offset > areaBytes_ || bytes > areaBytes_ - offset) return nullptr;
    return const_cast<uint8_t*>(area_) + offset;
}

bool Vwin32StandIn::Ioctl(DiocRegisters* regs) {
    if (regs->eax != 0x440D) return Reject(regs);
    switch (regs->ecx) {
    case 0x084A:
        if (regs->ebx != (drive_ | (1u << 8)) || regs->edx != 1) return Reject(regs);
        ++lockDepth_;
        ++log_.locks;
        return true;
    case 0x086A:
    case 0x486A: {
        uint32_t expected = kind_ == FileSystemKind::Fat32 ? 0x486A : 0x086A;
        if (regs->ecx != expected || regs->ebx != drive_ || lockDepth_ == 0) return Reject(regs);
        --lockDepth_;
        ++log_.unlocks;
        return true;
    }
    default:
        return Reject(regs);
    }
}

bool Vwin32StandIn::Sectors(DiocRegisters* regs, bool write) {
    uint8_t* raw = Resolve(regs->ebx, sizeof(DiskIoPacket));
    if (!raw || regs->ecx != 0xFFFF) return Reject(regs);
    DiskIoPacket packet;
    std::memcpy(&packet, raw, sizeof packet);
    size_t bytes = size_t(packet.sectors) * 512;
    uint8_t* buffer = Resolve(packet.buffer, bytes);
    uint64_t at = uint64_t(packet.startSector) * 512;
    if (!buffer || packet.sectors == 0 || at + bytes > image_.size()) return Reject(regs);
    if (write) {
        std::memcpy(image_.data() + at, buffer, bytes);
        ++log_.writes;
    } else {
        std::memcpy(buffer, image_.data() + at, bytes);
        ++log_.reads;
    }
    return true;
}

bool Vwin32StandIn::Call(uint32_t code, DiocRegisters* regs) {
    regs->flags &= ~kCarryFlag;
    bool fat32 = kind_ == FileSystemKind::Fat32;
    switch (code) {
    case kVwin32DosIoctl:
        return Ioctl(regs);
    case kVwin32Int25:
    case kVwin32Int26:
        // INT 25h/26h: FAT16 only, AL the drive counted from A = 0, inside a lock.
        if (fat32 || regs->eax != uint32_t(drive_ - 1) || lockDepth_ == 0) return Reject(regs);
        return Sectors(regs, code == kVwin32Int26);
    case kVwin32Int21:
        // 7305h: FAT32, DL the drive from A = 1, SI 1 for writes, which need the lock.
        if (!fat32 || regs->eax != 0x7305 || regs->edx != drive_ || regs->esi > 1 ||
            (regs->esi == 1 && lockDepth_ == 0))
            return Reject(regs);
        return Sectors(regs, regs->esi == 1);
    default:
        return Reject(regs);
    }
}

}  // namespace drive_test
