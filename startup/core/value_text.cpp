#include "startup/core/value_text.h"

#include <cstdint>

namespace startup {

std::string RegValueText(unsigned long type, const std::string& data) {
    if (type == kDwordValueType && data.size() == sizeof(uint32_t)) {
        uint32_t number = 0;
        data.copy(reinterpret_cast<char*>(&number), sizeof(number));
        return std::to_string(number);
    }
    // Text up to its terminator (or all of it when it carries none).
    return data.substr(0, data.find('\0'));
}

}  // namespace startup
