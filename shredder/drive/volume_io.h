#pragma once
// Byte-granular reads and writes over a raw volume, which only moves whole
// sectors: the covering sectors are read and the bytes picked out (or
// patched and written back).
#include <cstddef>
#include <cstdint>

#include "shredder/drive/raw_volume.h"

namespace shredder {

bool ReadVolumeBytes(RawVolume& volume, uint32_t sectorBytes, uint64_t offset, uint8_t* out,
                     size_t length);
bool WriteVolumeBytes(RawVolume& volume, uint32_t sectorBytes, uint64_t offset,
                      const uint8_t* data, size_t length);

}  // namespace shredder
