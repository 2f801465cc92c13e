// How the Sites and Events pages sort their rows, by the indexes the rows
// carry into a snapshot of the records. Window-free.
#pragma once
#include <vector>

#include "privacy/core/site_records.h"

namespace privacy {

struct ListSort {
    int column = 2;
    bool ascending = true;

    // A click on the sort column flips the direction; another column
    // becomes the sort column, ascending.
    void Click(int clicked);
    // `result` in the sort's direction; a tie falls back to `tie`, which
    // keeps its own direction.
    int Apply(int result, int tie) const;
};

// Sites: 0 host (any case), 1 hits, 2 last access, 3 the number of custom
// options set; ties by last access, earlier first. Indexes outside the
// records compare equal.
int CompareSites(const std::vector<CSiteRecord>& sites, size_t a, size_t b, const ListSort& sort);

// Events: 0 host (any case), 1 type, 2 logging order; ties by logging order.
int CompareEvents(const std::vector<CEventRecord>& events, size_t a, size_t b,
                  const ListSort& sort);

}  // namespace privacy
