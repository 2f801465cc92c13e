#pragma once
// The text an installation stores a binary registry value as: hexadecimal
// numbers, each followed by one separator character ("01,00,00,00").
#include <cstddef>
#include <string>

namespace iehelper {

// The low byte of each number, in order, into `bytes`. False, with `bytes`
// unchanged, when a number has no hexadecimal digit or the text holds more
// than `maxBytes` numbers.
bool ParseByteList(const std::string& text, std::size_t maxBytes, std::string& bytes);

}  // namespace iehelper
