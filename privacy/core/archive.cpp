#include "privacy/core/archive.h"

namespace privacy {

void ArchiveWriter::Raw(uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes_ += static_cast<char>((value >> (8 * i)) & 0xFF);
}

void ArchiveWriter::Int(int32_t value) { Raw(static_cast<uint32_t>(value), 4); }

void ArchiveWriter::Time(int64_t seconds) {
    if (seconds < 0) seconds = 0;
    if (seconds > 0xFFFFFFFFLL) seconds = 0xFFFFFFFFLL;
    Raw(static_cast<uint32_t>(seconds), 4);
}

void ArchiveWriter::String(const std::string& text) {
    const size_t length = text.size();
    if (length < 0xFF) {
        Raw(static_cast<uint32_t>(length), 1);
    } else if (length < 0xFFFE) {
        Raw(0xFF, 1);
        Raw(static_cast<uint32_t>(length), 2);
    } else {
        Raw(0xFF, 1);
        Raw(0xFFFF, 2);
        Raw(static_cast<uint32_t>(length), 4);
    }
    bytes_ += text;
}

bool ArchiveReader::Raw(uint32_t& value, int size) {
    if (failed_ || left() < static_cast<size_t>(size)) return !(failed_ = true);
    value = 0;
    for (int i = 0; i < size; ++i)
        value |= static_cast<uint32_t>(static_cast<unsigned char>(bytes_[at_ + i])) << (8 * i);
    at_ += static_cast<size_t>(size);
    return true;
}

bool ArchiveReader::Int(int32_t& value) {
    uint32_t raw = 0;
    if (!Raw(raw, 4)) return false;
    value = static_cast<int32_t>(raw);
    return true;
}

bool ArchiveReader::Time(int64_t& seconds) {
    uint32_t raw = 0;
    if (!Raw(raw, 4)) return false;
    seconds = raw;
    return true;
}

bool ArchiveReader::String(std::string& text) {
    uint32_t length = 0;
    if (!Raw(length, 1)) return false;
    if (length == 0xFF) {
        if (!Raw(length, 2)) return false;
        if (length == 0xFFFE) return !(failed_ = true);
        if (length == 0xFFFF && !Raw(length, 4)) return false;
    }
    if (length > left()) return !(failed_ = true);
    text.assign(bytes_, at_, length);
    at_ += length;
    return true;
}

}  // namespace privacy
