#pragma once
// One NTFS file record: update-sequence fixups, its attributes and the
// names it carries. Window-free; every offset read from the record is
// checked against the record's size.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace shredder {

constexpr uint32_t kAttrFileName = 0x30;
constexpr uint32_t kAttrData = 0x80;

// Checks the "FILE" signature and puts back the bytes the update sequence
// replaced at the end of every 512-byte stride. False: not a file record,
// a bad sequence array, or a stride whose end does not match (a torn
// write): such a record is not to be trusted.
bool ApplyFixups(uint8_t* record, size_t size);

struct MftAttribute {
    uint32_t type = 0;
    bool nonResident = false;
    bool named = false;
    const uint8_t* value = nullptr;    // resident value
    size_t valueSize = 0;
    const uint8_t* runList = nullptr;  // non-resident mapping pairs
    size_t runListSize = 0;
};

// The attributes of a fixed-up record, in order, up to the end marker. A
// malformed attribute ends the list.
std::vector<MftAttribute> ListAttributes(const uint8_t* record, size_t size);

bool RecordInUse(const uint8_t* record, size_t size);

// The names of the record's file name attributes; characters outside ASCII
// come out as '?'.
std::vector<std::string> RecordFileNames(const uint8_t* record, size_t size);

}  // namespace shredder
