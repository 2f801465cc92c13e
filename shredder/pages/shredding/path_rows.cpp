#include "shredder/pages/shredding/path_rows.h"

#include <algorithm>

#include "shredder/core/paths.h"

namespace shredder {

int PathRows::Find(const std::string& text) const {
    for (size_t i = 0; i < rows_.size(); ++i) {
        if (SamePath(rows_[i].text, text) || SamePath(rows_[i].path, text)) return static_cast<int>(i);
    }
    return -1;
}

bool PathRows::Add(const std::string& text, const std::string& path) {
    if (Find(text) >= 0 || Find(path) >= 0) return false;
    rows_.push_back({text, path});
    return true;
}

void PathRows::Remove(std::vector<int> indexes) {
    // From the last row back, so the earlier indexes stay valid.
    std::sort(indexes.begin(), indexes.end());
    indexes.erase(std::unique(indexes.begin(), indexes.end()), indexes.end());
    for (auto it = indexes.rbegin(); it != indexes.rend(); ++it) {
        if (*it >= 0 && static_cast<size_t>(*it) < rows_.size()) rows_.erase(rows_.begin() + *it);
    }
}

}  // namespace shredder
