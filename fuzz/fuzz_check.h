#pragma once
// What every fuzz target shares: a property that must hold aborts the run
// (libFuzzer keeps the input), and the input can be cut into pieces at
// offsets the input itself chooses, so splitting is fuzzed too.
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

}  // namespace fuzz
