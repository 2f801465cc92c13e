// NTFS file-record fixups and attribute walking.
#include "shredder/drive/mft_record.h"

#include <cstring>

#include "shredder/drive/le_bytes.h"

namespace shredder {
namespace {

constexpr size_t kStride = 512;
constexpr size_t kHeaderBytes = 48;
constexpr uint32_t kEndMarker = 0xFFFFFFFF;

}  // namespace

bool ApplyFixups(uint8_t* record, size_t size) {
    if (size < kHeaderBytes || size % kStride != 0 || std::memcmp(record, "FILE", 4) != 0)
        return false;
    size_t usaOffset = Le16(record + 4);
    size_t usaCount = Le16(record + 6);
    if (usaCount != size / kStride + 1 || usaOffset < 8 || usaOffset % 2 != 0 ||
        usaOffset + 2 * usaCount > size)
        return false;
    const uint8_t* usa = record + usaOffset;
    for (size_t i = 1; i < usaCount; ++i) {
        uint8_t* tail = record + i * kStride - 2;
        if (tail[0] != usa[0] || tail[1] != usa[1]) return false;
    }
    for (size_t i = 1; i < usaCount; ++i) {
        uint8_t* tail = record + i * kStride - 2;
        tail[0] = usa[2 * i];
        tail[1] = usa[2 * i + 1];
    }
    return true;
}

std::vector<MftAttribute> ListAttributes(const uint8_t* record, size_t size) {
    std::vector<MftAttribute> list;
    if (size < kHeaderBytes) return list;
    size_t used = Le32(record + 24);
    if (used > size) used = size;
    size_t pos = Le16(record + 20);
    while (pos + 16 <= used) {
        const uint8_t* a = record + pos;
        uint32_t type = Le32(a);
        if (type == kEndMarker) break;
        size_t length = Le32(a + 4);
        if (length < 16 || length % 8 != 0 || length > used - pos) break;
        MftAttribute attr;
        attr.type = type;
        attr.nonResident = a[8] != 0;
        attr.named = a[9] != 0;
        if (attr.nonResident) {
            if (length < 64) break;
            size_t runs = Le16(a + 32);
            if (runs >= length) break;
            attr.runList = a + runs;
            attr.runListSize = length - runs;
        } else {
            if (length < 24) break;
            size_t valueSize = Le32(a + 16), valueOffset = Le16(a + 20);
            if (valueOffset > length || valueSize > length - valueOffset) break;
            attr.value = a + valueOffset;
            attr.valueSize = valueSize;
        }
        list.push_back(attr);
        pos += length;
    }
    return list;
}

bool RecordInUse(const uint8_t* record, size_t size) {
    return size >= kHeaderBytes && (Le16(record + 22) & 1) != 0;
}

std::vector<std::string> RecordFileNames(const uint8_t* record, size_t size) {
    std::vector<std::string> names;
    for (const MftAttribute& a : ListAttributes(record, size)) {
        if (a.type != kAttrFileName || a.nonResident || a.valueSize < 66) continue;
        size_t chars = a.value[64];
        if (66 + 2 * chars > a.valueSize) continue;
        std::string name;
        for (size_t i = 0; i < chars; ++i) {
            uint16_t c = Le16(a.value + 66 + 2 * i);
            name += (c >= 0x20 && c < 0x7F) ? char(c) : '?';
        }
        names.push_back(name);
    }
    return names;
}

}  // namespace shredder
