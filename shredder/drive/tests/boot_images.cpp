// In-memory boot sectors and volumes.
#include "shredder/drive/tests/boot_images.h"

#include <cstring>

#include "shredder/drive/le_bytes.h"

namespace drive_test {

using shredder::PutLe16;
using shredder::PutLe32;

std::vector<uint8_t> FatBootSector(const FatLayout& l) {
    std::vector<uint8_t> b(512, 0);
    b[0] = 0xEB;
    std::memcpy(&b[3], "MSWIN4.1", 8);
    PutLe16(&b[11], l.bytesPerSector);
    b[13] = l.sectorsPerCluster;
    PutLe16(&b[14], l.reserved);
    b[16] = l.fats;
    PutLe16(&b[17], l.fat32 ? 0 : l.rootEntries);
    if (l.totalSectors < 65536) PutLe16(&b[19], uint16_t(l.totalSectors));
    else PutLe32(&b[32], l.totalSectors);
    b[21] = 0xF8;
    if (l.fat32) {
        PutLe32(&b[36], l.sectorsPerFat);
        PutLe32(&b[44], l.rootCluster);
        PutLe16(&b[48], 1);
        PutLe16(&b[50], 6);
    } else {
        PutLe16(&b[22], uint16_t(l.sectorsPerFat));
    }
    b[510] = 0x55;
    b[511] = 0xAA;
    return b;
}

std::vector<uint8_t> NtfsBootSector(uint64_t totalSectors, uint64_t mftCluster, int8_t recordSize) {
    std::vector<uint8_t> b(512, 0);
    std::memcpy(&b[3], "NTFS    ", 8);
    PutLe16(&b[11], 512);
    b[13] = 8;
    PutLe32(&b[40], uint32_t(totalSectors));
    PutLe32(&b[44], uint32_t(totalSectors >> 32));
    PutLe32(&b[48], uint32_t(mftCluster));
    b[64] = uint8_t(recordSize);
    b[510] = 0x55;
    b[511] = 0xAA;
    return b;
}

std::vector<uint8_t> FatVolume(const FatLayout& l, uint8_t fill) {
    std::vector<uint8_t> v(size_t(l.totalSectors) * l.bytesPerSector, fill);
    std::vector<uint8_t> boot = FatBootSector(l);
    std::memcpy(v.data(), boot.data(), boot.size());
    for (uint32_t f = 0; f < l.fats; ++f) {
        uint8_t* fat = &v[(l.reserved + size_t(f) * l.sectorsPerFat) * l.bytesPerSector];
        std::memset(fat, 0, size_t(l.sectorsPerFat) * l.bytesPerSector);
        if (l.fat32) {
            PutLe32(fat, 0x0FFFFFF8);
            PutLe32(fat + 4, 0x0FFFFFFF);
            PutLe32(fat + 4 * l.rootCluster, 0x0FFFFFFF);
        } else {
            PutLe16(fat, 0xFFF8);
            PutLe16(fat + 2, 0xFFFF);
        }
    }
    return v;
}

}  // namespace drive_test
