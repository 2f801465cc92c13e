#pragma once
// The user's own algorithms under HKEY_CURRENT_USER
// "Software\Velmora Scourwell\Algorithms": one subkey per algorithm, named
// after it, with `Description`, `PassesCount` and "Pass <n>" subkeys
// (`write` = "Random", "Complement" or "Pattern"; `Pattern Length` and
// "Byte <n>" for patterns).
#include <string>
#include <vector>

#include "shredder/algorithms/algorithm.h"

namespace shredder {

// Appends each readable algorithm in the registry's enumeration order. One
// that is incomplete (a pass, its `write` or a byte missing), names an
// unknown kind, has no pass or asks beyond the bounds is left out: it would
// delete without overwriting. Returns whether the key exists.
bool LoadCustomAlgorithms(AlgorithmTable& table);

// Writes `algorithm` under its name (an existing key of that name is
// written over): `Description`, `PassesCount`, then each "Pass <n>" with its
// `write` and, for patterns, `Pattern Length` and "Byte <n>". Texts keep
// their terminating zero. The product key "Software\Velmora Scourwell"
// must exist. False at the first registry call that fails; the key it was
// writing is then removed again, so no half-written algorithm is left.
bool SaveAlgorithm(const Algorithm& algorithm);

// Deletes the subkey named `name`, letter case ignored as the registry
// ignores it, with everything below it. True when it is gone or was never
// there; false when deletion failed.
bool DeleteCustomAlgorithm(const std::string& name);

// The names of the stored algorithms in the order LoadCustomAlgorithms
// reads them (the registry's enumeration order), readable or not.
std::vector<std::string> StoredAlgorithmNames();

}  // namespace shredder
