#pragma once
// Where the options page and the algorithm editor keep the user's own
// algorithms: the registry in the program, a recording fake in tests. The
// table's custom part is kept in the order the store loads them at the
// next start, so an algorithm's position (`Method`, a task's "/O<n>")
// means the same algorithm after a restart.
#include <string>
#include <vector>

#include "shredder/algorithms/algorithm.h"

namespace shredder {

class AlgorithmStore {
public:
    virtual ~AlgorithmStore() = default;
    // Writes the algorithm under its name (an existing key of that name is
    // written over). False when any part could not be written; nothing of
    // it is left stored then.
    virtual bool Save(const Algorithm& algorithm) = 0;
    // Removes the algorithm of that name, letter case ignored; true when it
    // is gone or was never stored.
    virtual bool Delete(const std::string& name) = 0;
    // The stored names in the order the next start loads them; empty when
    // the store cannot tell (the table's order is then kept).
    virtual std::vector<std::string> LoadOrder() { return {}; }
};

class RegistryAlgorithmStore : public AlgorithmStore {
public:
    bool Save(const Algorithm& algorithm) override;
    bool Delete(const std::string& name) override;
    std::vector<std::string> LoadOrder() override;
};

// Where each position of a table went: moves[old] is the new position, -1
// for an algorithm that is gone.
using PositionMoves = std::vector<int>;

// Puts the custom algorithms of `table` in `loadOrder` (names compared
// without letter case); those it does not name keep their order after the
// others. Built-in algorithms stay first. Returns the moves.
PositionMoves OrderAsLoaded(AlgorithmTable& table, const std::vector<std::string>& loadOrder);

}  // namespace shredder
