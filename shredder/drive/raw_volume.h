#pragma once
// Sector-level access to one whole volume, behind which sit the NT volume
// device and the Windows 9x absolute-sector calls. Offsets and lengths
// handed to Read and Write are whole sectors; implementations refuse other
// requests rather than touch a partial sector.
#include <cstdint>

namespace shredder {

class RawVolume {
public:
    virtual ~RawVolume() = default;

    // Takes the volume for this handle alone. False: another user holds
    // it (files open, the system itself), and nothing may be written.
    virtual bool Lock() = 0;
    // Makes the file system let go of what it has cached about the volume,
    // so it reads the volume afresh once the lock is released. Only valid
    // while locked; false when the system refused.
    virtual bool Dismount() = 0;

    virtual bool Seek(uint64_t offset) = 0;
    virtual uint64_t Position() const = 0;
    // Exactly `bytes` at the current position, which then advances.
    virtual bool Read(void* buffer, uint32_t bytes) = 0;
    virtual bool Write(const void* buffer, uint32_t bytes) = 0;
    // The device's size in bytes, or 0 when the device cannot tell.
    virtual uint64_t Size() = 0;
    // The system's error code of the last failed call.
    virtual uint32_t LastError() const = 0;
};

}  // namespace shredder
