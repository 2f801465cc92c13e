#pragma once
// The algorithm editor without its window: the pass rows, what each button
// does to them, and Save with its checks. The table changes only after the
// algorithm is stored, and then takes the order of the next start. Saving
// is all or nothing: a renamed algorithm's old key goes only after its new
// one was written, and the new one goes again when the old stays; one
// saved under its own name (letter case may change) replaces the old
// version, which is written back when the new one fails.
#include <string>
#include <vector>

#include "shredder/algorithms/algorithm.h"
#include "shredder/pages/option_rules/algorithm_store.h"

namespace shredder {

enum class EditorRefusal {
    None,
    NoPasses,       // an algorithm without passes would delete without overwriting
    TooManyPasses,  // more than the reader takes (kMaxPasses)
    BadPattern,     // a pattern row with no digit or a non-hexadecimal one
    PatternTooLong, // a pattern row longer than the reader takes
    NoName,
    BadName,        // "\" would split the registry key
    DuplicateName,
    NoDescription,
    WriteFailed,
    OldKeyKept,     // renamed, but the old key could not be removed: nothing changed
};

struct EditorSaveResult {
    EditorRefusal refusal = EditorRefusal::None;
    int badRow = -1;            // BadPattern, PatternTooLong: the first refused row
    bool oldKeyKept = false;    // renamed, but the old key could not be removed
    bool keptBoth = false;      // ... nor the new one: the table holds both
    int savedIndex = -1;        // the saved algorithm's position in the table
    PositionMoves moves;        // where each position of the table before went
};

class AlgorithmEditorModel {
public:
    // `editIndex` -1: a new algorithm; otherwise the custom algorithm at
    // that position, whose name, description and rows are taken.
    AlgorithmEditorModel(AlgorithmTable& table, AlgorithmStore& store, int editIndex);

    bool NewMode() const { return editIndex_ < 0; }
    const std::string& Name() const { return name_; }
    const std::string& Description() const { return description_; }
    const std::vector<std::string>& Rows() const { return rows_; }

    // A row "00" at the end; its position, or -1 when the algorithm has
    // kMaxPasses already.
    int AddPass();
    void SetPattern(int row, const std::string& editText);
    void SetRandom(int row);
    // False for the first row: there is no previous pass to complement.
    bool SetComplement(int row);
    static bool ComplementAllowed(int row) { return row > 0; }
    // The row to select afterwards, -1 when no row is left.
    int DeletePass(int row);
    // The moved row's new position (unchanged at the list's end).
    int MoveUp(int row);
    int MoveDown(int row);

    // Checks, builds and stores the algorithm, then updates the table.
    EditorSaveResult Save(const std::string& name, const std::string& description);

private:
    bool ValidRow(int row) const { return row >= 0 && row < static_cast<int>(rows_.size()); }
    bool NameTaken(const std::string& name) const;
    EditorRefusal CheckRows(EditorSaveResult& result) const;
    // Writes the record; in edit mode it replaces the old version.
    bool Store(const Algorithm& record, EditorSaveResult& result);

    AlgorithmTable& table_;
    AlgorithmStore& store_;
    int editIndex_;
    std::string name_;
    std::string description_;
    std::vector<std::string> rows_;
};

// Edit limits of the name and description.
constexpr size_t kMaxAlgorithmName = 30;
constexpr size_t kMaxAlgorithmDescription = 199;

}  // namespace shredder
