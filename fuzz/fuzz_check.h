#pragma once
// What every fuzz target shares: a property that must hold aborts the run
// (libFuzzer keeps the input), and the input can be cut into pieces at
// offsets the input itself chooses, so splitting is fuzzed too, or into
// zero-separated fields.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#define FUZZ_CHECK(condition)                                                        \
    do {                                                                             \
        if (!(condition)) {                                                          \
            std::fprintf(stderr, "%s:%d: property failed: %s\n", __FILE__, __LINE__, \
                         #condition);                                                \
            std::abort();                                                            \
        }                                                                            \
    } while (0)

namespace fuzz {

// The first byte of `data` seeds the cut points; the rest is the text.
struct SplitInput {
    std::string text;
    std::vector<std::string> pieces;
};

inline SplitInput Split(const uint8_t* data, size_t size) {
    SplitInput input;
    if (size == 0) return input;
    unsigned seed = data[0];
    input.text.assign(reinterpret_cast<const char*>(data + 1), size - 1);
    for (size_t at = 0; at < input.text.size();) {
        seed = seed * 1103515245u + 12345u;
        size_t step = 1 + (seed >> 16) % 64;
        input.pieces.push_back(input.text.substr(at, step));
        at += step;
    }
    return input;
}

inline std::string Text(const uint8_t* data, size_t size) {
    return std::string(reinterpret_cast<const char*>(data), size);
}

// The input as `count` texts: the first count - 1 end at a zero byte each,
// the last takes the rest; texts the input runs out before are empty.
inline std::vector<std::string> Fields(const uint8_t* data, size_t size, size_t count) {
    std::vector<std::string> fields(count);
    const std::string text = Text(data, size);
    size_t at = 0;
    for (size_t i = 0; i + 1 < count && at <= text.size(); ++i) {
        const size_t zero = text.find('\0', at);
        fields[i] = text.substr(at, zero == std::string::npos ? std::string::npos : zero - at);
        at = zero == std::string::npos ? text.size() + 1 : zero + 1;
    }
    if (at <= text.size()) fields[count - 1] = text.substr(at);
    return fields;
}

}  // namespace fuzz
