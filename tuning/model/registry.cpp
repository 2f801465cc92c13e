#include "tuning/model/registry.h"

namespace tuning {

RegValue DwordValue(std::uint32_t number) {
    RegValue value;
    value.type = kRegDword;
    for (int i = 0; i < 4; ++i) value.data.push_back(static_cast<char>((number >> (8 * i)) & 0xFF));
    return value;
}

RegValue TextValue(const std::string& text) {
    RegValue value;
    value.type = kRegSz;
    value.data = text;
    value.data.push_back('\0');
    return value;
}

bool AsDword(const RegValue& value, std::uint32_t& number) {
    if (value.type != kRegDword || value.data.size() != 4) return false;
    number = 0;
    for (int i = 3; i >= 0; --i)
        number = (number << 8) | static_cast<unsigned char>(value.data[static_cast<size_t>(i)]);
    return true;
}

bool AsText(const RegValue& value, std::string& text) {
    if (value.type != kRegSz) return false;
    text = value.data.substr(0, value.data.find('\0'));
    return true;
}

}  // namespace tuning
