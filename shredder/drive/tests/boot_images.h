#pragma once
// Boot sectors and small volumes built in memory for the parsing and
// refusal tests.
#include <cstdint>
#include <vector>

namespace drive_test {

struct FatLayout {
    uint16_t bytesPerSector = 512;
    uint8_t sectorsPerCluster = 4;
    uint16_t reserved = 4;
    uint8_t fats = 2;
    uint16_t rootEntries = 512;
    uint32_t totalSectors = 65536;
    uint32_t sectorsPerFat = 64;
    bool fat32 = false;
    uint32_t rootCluster = 2;
};

std::vector<uint8_t> FatBootSector(const FatLayout& layout);
std::vector<uint8_t> NtfsBootSector(uint64_t totalSectors, uint64_t mftCluster, int8_t recordSize);

// A whole FAT volume: the boot sector, empty FATs with their reserved
// entries, and every other byte `fill`.
std::vector<uint8_t> FatVolume(const FatLayout& layout, uint8_t fill);

}  // namespace drive_test
