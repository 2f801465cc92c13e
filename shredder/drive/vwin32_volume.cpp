// Absolute-sector access through the VWIN32 device.
#include "shredder/drive/vwin32_volume.h"

#include <algorithm>
#include <cstring>

namespace shredder {
namespace {

constexpr uint32_t kMaxSectorsPerCall = 128;  // 64 KB
constexpr uint32_t kErrorInvalidParameter = 87;
constexpr uint32_t kErrorNotSupported = 50;

// The register blocks carry 32-bit addresses; on the 9x family that is the
// whole pointer.
uint32_t Address(const void* p) { return uint32_t(reinterpret_cast<uintptr_t>(p)); }

}  // namespace

struct Vwin32Volume::Area {
    DiskIoPacket packet;
    uint8_t buffer[kMaxSectorsPerCall * kSectorBytes];
};

Vwin32Volume::Vwin32Volume(std::unique_ptr<Vwin32Device> device, char letter, FileSystemKind kind)
    : device_(std::move(device)), area_(new Area()), drive_(uint8_t(letter - 'A' + 1)),
      kind_(kind) {}

Vwin32Volume::~Vwin32Volume() = default;

const void* Vwin32Volume::TransferArea() const { return area_.get(); }
size_t Vwin32Volume::TransferAreaBytes() const { return sizeof(Area); }

bool Vwin32Volume::Issue(const Vwin32Call& call) {
    DiocRegisters regs = call.registers;
    if (!device_->Call(call.code, &regs)) {
        error_ = device_->LastError();
        return false;
    }
    if (regs.flags & kCarryFlag) {
        error_ = regs.eax & 0xFFFF;  // the DOS error code
        return false;
    }
    return true;
}

Vwin32Call Vwin32Volume::Unlock() const {
    return kind_ == FileSystemKind::Fat32 ? UnlockLogicalVolume32(drive_) : UnlockLogicalVolume(drive_);
}

bool Vwin32Volume::Lock() {
    if (kind_ == FileSystemKind::Ntfs) {
        error_ = kErrorNotSupported;
        return false;
    }
    return Issue(LockLogicalVolume(drive_)) && Issue(Unlock());
}

bool Vwin32Volume::Seek(uint64_t offset) {
    if (offset % kSectorBytes) {
        error_ = kErrorInvalidParameter;
        return false;
    }
    position_ = offset;
    return true;
}

bool Vwin32Volume::Transfer(uint64_t sector, uint32_t count, bool write) {
    if (kind_ == FileSystemKind::Ntfs) {
        error_ = kErrorNotSupported;
        return false;
    }
    if (sector > 0xFFFFFFFFull - count) {
        error_ = kErrorInvalidParameter;
        return false;
    }
    area_->packet.startSector = uint32_t(sector);
    area_->packet.sectors = uint16_t(count);
    area_->packet.buffer = Address(area_->buffer);
    uint32_t packet = Address(&area_->packet);
    bool fat32 = kind_ == FileSystemKind::Fat32;
    Vwin32Call call = fat32 ? (write ? ExtAbsDiskWrite(drive_, packet) : ExtAbsDiskRead(drive_, packet))
                            : (write ? AbsDiskWrite(drive_, packet) : AbsDiskRead(drive_, packet));
    bool locked = write || !fat32;
    if (locked && !Issue(LockLogicalVolume(drive_))) return false;
    bool done = Issue(call);
    if (locked && !Issue(Unlock())) return false;
    return done;
}

bool Vwin32Volume::ReadSectors9x(uint64_t sector, uint32_t count) {
    return Transfer(sector, count, false);
}

bool Vwin32Volume::WriteSectors9x(uint64_t sector, uint32_t count) {
    return Transfer(sector, count, true);
}

bool Vwin32Volume::Read(void* buffer, uint32_t bytes) {
    if (bytes % kSectorBytes) {
        error_ = kErrorInvalidParameter;
        return false;
    }
    uint8_t* out = static_cast<uint8_t*>(buffer);
    for (uint32_t done = 0; done < bytes;) {
        uint32_t count = std::min(kMaxSectorsPerCall, (bytes - done) / kSectorBytes);
        if (!ReadSectors9x(position_ / kSectorBytes, count)) return false;
        std::memcpy(out + done, area_->buffer, count * kSectorBytes);
        done += count * kSectorBytes;
        position_ += count * kSectorBytes;
    }
    return true;
}

bool Vwin32Volume::Write(const void* buffer, uint32_t bytes) {
    if (bytes % kSectorBytes) {
        error_ = kErrorInvalidParameter;
        return false;
    }
    const uint8_t* in = static_cast<const uint8_t*>(buffer);
    for (uint32_t done = 0; done < bytes;) {
        uint32_t count = std::min(kMaxSectorsPerCall, (bytes - done) / kSectorBytes);
        std::memcpy(area_->buffer, in + done, count * kSectorBytes);
        if (!WriteSectors9x(position_ / kSectorBytes, count)) return false;
        done += count * kSectorBytes;
        position_ += count * kSectorBytes;
    }
    return true;
}

}  // namespace shredder
