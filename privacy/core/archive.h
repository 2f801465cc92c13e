#pragma once
// The framework archive format of the privacy program's settings file:
// 4-byte little-endian integers, 4-byte times (seconds since 1970 UTC, also
// where the compiler's time_t is wider) and counted strings (one length
// byte below 255; else 0xFF and a 2-byte length below 0xFFFE; else 0xFF,
// 0xFFFF and a 4-byte length). No platform calls.
#include <cstdint>
#include <string>

namespace privacy {

class ArchiveWriter {
public:
    void Int(int32_t value);
    // Times outside the 32-bit unsigned range are clamped to it.
    void Time(int64_t seconds);
    void String(const std::string& text);
    const std::string& bytes() const { return bytes_; }

private:
    void Raw(uint32_t value, int size);
    std::string bytes_;
};

// Every read is bounded by the bytes left: a read that would run past the
// end, a string length beyond the bytes left, or the 2-byte length 0xFFFE
// (the marker of a wide-character string) fails and leaves the reader
// failed for good.
class ArchiveReader {
public:
    explicit ArchiveReader(const std::string& bytes) : bytes_(bytes) {}

    bool Int(int32_t& value);
    bool Time(int64_t& seconds);
    bool String(std::string& text);

    size_t left() const { return bytes_.size() - at_; }
    bool failed() const { return failed_; }

private:
    bool Raw(uint32_t& value, int size);
    const std::string& bytes_;
    size_t at_ = 0;
    bool failed_ = false;
};

}  // namespace privacy
