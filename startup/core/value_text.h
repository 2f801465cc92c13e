#pragma once
// How a registry value's data reads in the list and in the store's records.
// Window-free, so the kept-values file that relies on it can be fuzzed.
#include <string>

namespace startup {

// The registry's type number of a DWORD value.
const unsigned long kDwordValueType = 4;

// A value's data as the list shows it: string data up to its terminator
// (the first string of a REG_MULTI_SZ), a DWORD as its decimal number.
std::string RegValueText(unsigned long type, const std::string& data);

}  // namespace startup
