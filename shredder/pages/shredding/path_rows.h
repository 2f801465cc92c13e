#pragma once
// The rows of a shred list, each with the path it stands for, in one store:
// a row and its path are added and removed together, so what is shredded is
// always what the list shows. Window-free.
#include <string>
#include <vector>

namespace shredder {

struct PathRow {
    std::string text;  // as dropped or chosen: what the row shows
    std::string path;  // the full name that is shredded
};

class PathRows {
public:
    // The row that shows `text` or stands for the same path, letter case and
    // separators ignored; -1 when none.
    int Find(const std::string& text) const;
    // Appends the row unless one already shows it; false then.
    bool Add(const std::string& text, const std::string& path);
    // Removes the rows at `indexes`, given in any order; repeated or
    // out-of-range indexes are ignored.
    void Remove(std::vector<int> indexes);
    void Clear() { rows_.clear(); }

    bool empty() const { return rows_.empty(); }
    size_t size() const { return rows_.size(); }
    const PathRow& operator[](size_t index) const { return rows_[index]; }
    std::vector<PathRow>::const_iterator begin() const { return rows_.begin(); }
    std::vector<PathRow>::const_iterator end() const { return rows_.end(); }

private:
    std::vector<PathRow> rows_;
};

}  // namespace shredder
