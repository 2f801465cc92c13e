#include "shredder/pages/option_rules/algorithm_store.h"

#include <windows.h>

#include <algorithm>

#include "shredder/algorithms/custom_algorithms.h"

namespace shredder {

bool RegistryAlgorithmStore::Save(const Algorithm& algorithm) { return SaveAlgorithm(algorithm); }

bool RegistryAlgorithmStore::Delete(const std::string& name) { return DeleteCustomAlgorithm(name); }

std::vector<std::string> RegistryAlgorithmStore::LoadOrder() { return StoredAlgorithmNames(); }

namespace {

size_t LoadRank(const std::vector<std::string>& loadOrder, const Algorithm& algorithm) {
    if (!algorithm.custom) return 0;
    for (size_t i = 0; i < loadOrder.size(); ++i)
        if (lstrcmpiA(loadOrder[i].c_str(), algorithm.name.c_str()) == 0) return i + 1;
    return loadOrder.size() + 1;
}

}  // namespace

PositionMoves OrderAsLoaded(AlgorithmTable& table, const std::vector<std::string>& loadOrder) {
    std::vector<int> order(table.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return LoadRank(loadOrder, table[a]) < LoadRank(loadOrder, table[b]);
    });
    PositionMoves moves(table.size());
    AlgorithmTable sorted;
    for (size_t now = 0; now < order.size(); ++now) {
        moves[order[now]] = static_cast<int>(now);
        sorted.push_back(std::move(table[order[now]]));
    }
    table = std::move(sorted);
    return moves;
}

}  // namespace shredder
