#pragma once
// Turning the values of one stored custom algorithm into its record, apart
// from where they are stored: the registry reader and the fuzz target each
// hand in their own `StoredValues`.
#include <cstddef>
#include <cstdint>
#include <string>

#include "shredder/algorithms/algorithm.h"

namespace shredder {

// The values below one algorithm's key. `subkey` is "" for the algorithm's
// own key and "Pass <n>" for its passes; a read of a missing key or value,
// or of one of another type, answers false.
class StoredValues {
public:
    virtual ~StoredValues() = default;
    // A text of at most bufferSize - 1 characters; a longer one is missing.
    virtual bool ReadText(const std::string& subkey, const char* name, std::string& value,
                          std::size_t bufferSize) = 0;
    virtual bool ReadNumber(const std::string& subkey, const char* name, uint32_t& value) = 0;
};

// The description is read into this many bytes, its terminator included.
constexpr std::size_t kDescriptionBuffer = 200;

// Reads the algorithm stored under `name`: `Description`, `PassesCount`,
// then each "Pass <n>" with its `write` ("Random", "Complement" or
// "Pattern", exact) and for patterns `Pattern Length` and "Byte <n>" (the
// low byte counts). False, with `algorithm` partly filled, when anything is
// missing, a kind is unknown, there is no pass or a bound is passed: such an
// algorithm would delete without overwriting. Reads stop at the first
// failure and never ask for a pass or byte beyond the stored counts.
bool ReadStoredAlgorithm(const std::string& name, StoredValues& values, Algorithm& algorithm);

}  // namespace shredder
