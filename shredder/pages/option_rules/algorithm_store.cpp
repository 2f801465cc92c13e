#include "shredder/pages/option_rules/algorithm_store.h"

#include "shredder/algorithms/custom_algorithms.h"

namespace shredder {

bool RegistryAlgorithmStore::Save(const Algorithm& algorithm) { return SaveAlgorithm(algorithm); }

bool RegistryAlgorithmStore::Delete(const std::string& name) { return DeleteCustomAlgorithm(name); }

}  // namespace shredder
