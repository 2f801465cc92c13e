#include "shredder/algorithms/stored_algorithm.h"

namespace shredder {

namespace {

bool ReadPass(StoredValues& values, uint32_t index, Pass& pass) {
    const std::string key = "Pass " + std::to_string(index);
    std::string write;
    if (!values.ReadText(key, "write", write, 260)) return false;
    if (write == "Random") {
        pass.kind = PassKind::Random;
        return true;
    }
    if (write == "Complement") {
        pass.kind = PassKind::Complement;
        return true;
    }
    if (write != "Pattern") return false;
    pass.kind = PassKind::Pattern;
    uint32_t length = 0;
    if (!values.ReadNumber(key, "Pattern Length", length) || !PatternLengthAllowed(length))
        return false;
    pass.pattern.resize(length);
    for (uint32_t b = 0; b < length; ++b) {
        uint32_t value = 0;
        if (!values.ReadNumber(key, ("Byte " + std::to_string(b)).c_str(), value)) return false;
        pass.pattern[b] = static_cast<unsigned char>(value & 0xFF);
    }
    return true;
}

}  // namespace

bool ReadStoredAlgorithm(const std::string& name, StoredValues& values, Algorithm& algorithm) {
    uint32_t count = 0;
    if (!values.ReadText("", "Description", algorithm.description, kDescriptionBuffer) ||
        !values.ReadNumber("", "PassesCount", count))
        return false;
    // The count is a signed value where it is written: 0, a "negative" one
    // and one past the bound all mean no usable algorithm.
    if (!PassCountAllowed(count)) return false;
    algorithm.name = name;
    algorithm.custom = true;
    algorithm.passes.resize(count);
    for (uint32_t i = 0; i < count; ++i) {
        if (!ReadPass(values, i, algorithm.passes[i])) return false;
    }
    return true;
}

}  // namespace shredder
