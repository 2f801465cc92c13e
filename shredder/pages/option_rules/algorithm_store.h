#pragma once
// Where the options page and the algorithm editor keep the user's own
// algorithms: the registry in the program, a recording fake in tests.
#include <string>

#include "shredder/algorithms/algorithm.h"

namespace shredder {

class AlgorithmStore {
public:
    virtual ~AlgorithmStore() = default;
    // Writes the algorithm under its name (an existing key of that name is
    // written over). False when any part could not be written.
    virtual bool Save(const Algorithm& algorithm) = 0;
    // Removes the algorithm named exactly `name`; true when it is gone or
    // was never stored.
    virtual bool Delete(const std::string& name) = 0;
};

class RegistryAlgorithmStore : public AlgorithmStore {
public:
    bool Save(const Algorithm& algorithm) override;
    bool Delete(const std::string& name) override;
};

}  // namespace shredder
