#include "shredder/pages/option_rules/algorithm_editor_model.h"

#include <windows.h>

#include <utility>

#include "shredder/pages/option_rules/pass_pattern.h"

namespace shredder {

AlgorithmEditorModel::AlgorithmEditorModel(AlgorithmTable& table, AlgorithmStore& store,
                                           int editIndex)
    : table_(table), store_(store), editIndex_(editIndex) {
    if (editIndex_ >= static_cast<int>(table_.size())) editIndex_ = -1;
    if (NewMode()) return;
    const Algorithm& edited = table_[editIndex_];
    name_ = edited.name;
    description_ = edited.description;
    for (const Pass& pass : edited.passes) rows_.push_back(PassRow(pass));
}

int AlgorithmEditorModel::AddPass() {
    if (!PassCountAllowed(rows_.size() + 1)) return -1;
    rows_.push_back("00");
    return static_cast<int>(rows_.size()) - 1;
}

void AlgorithmEditorModel::SetPattern(int row, const std::string& editText) {
    if (ValidRow(row)) rows_[row] = FormatPattern(editText);
}

void AlgorithmEditorModel::SetRandom(int row) {
    if (ValidRow(row)) rows_[row] = kRandomPassText;
}

bool AlgorithmEditorModel::SetComplement(int row) {
    if (!ValidRow(row) || !ComplementAllowed(row)) return false;
    rows_[row] = kComplementPassText;
    return true;
}

int AlgorithmEditorModel::DeletePass(int row) {
    if (!ValidRow(row)) return -1;
    rows_.erase(rows_.begin() + row);
    if (rows_.empty()) return -1;
    return row < static_cast<int>(rows_.size()) ? row : static_cast<int>(rows_.size()) - 1;
}

int AlgorithmEditorModel::MoveUp(int row) {
    if (!ValidRow(row) || row == 0) return row;
    std::swap(rows_[row], rows_[row - 1]);
    return row - 1;
}

int AlgorithmEditorModel::MoveDown(int row) {
    if (!ValidRow(row) || row + 1 == static_cast<int>(rows_.size())) return row;
    std::swap(rows_[row], rows_[row + 1]);
    return row + 1;
}

// Built-in names are kept apart exactly as written; stored ones share the
// registry's key names, where letter case does not tell two keys apart.
bool AlgorithmEditorModel::NameTaken(const std::string& name) const {
    for (size_t i = 0; i < table_.size(); ++i) {
        if (static_cast<int>(i) == editIndex_) continue;
        const Algorithm& other = table_[i];
        if (other.custom ? lstrcmpiA(other.name.c_str(), name.c_str()) == 0 : other.name == name)
            return true;
    }
    return false;
}

EditorRefusal AlgorithmEditorModel::CheckRows(EditorSaveResult& result) const {
    if (rows_.empty()) return EditorRefusal::NoPasses;
    if (!PassCountAllowed(rows_.size())) return EditorRefusal::TooManyPasses;
    for (size_t i = 0; i < rows_.size(); ++i) {
        if (RowKind(rows_[i]) != PassKind::Pattern) continue;
        result.badRow = static_cast<int>(i);
        if (!IsValidPatternRow(rows_[i])) return EditorRefusal::BadPattern;
        if (!PatternLengthAllowed(PatternBytes(rows_[i]).size())) return EditorRefusal::PatternTooLong;
    }
    result.badRow = -1;
    return EditorRefusal::None;
}

bool AlgorithmEditorModel::Store(const Algorithm& record, EditorSaveResult& result) {
    if (NewMode()) return store_.Save(record);
    const Algorithm& old = table_[editIndex_];
    if (lstrcmpiA(old.name.c_str(), record.name.c_str()) != 0) {
        if (!store_.Save(record)) return false;
        if (store_.Delete(old.name)) return true;
        // The old key would load again at the next start: the rename is
        // taken back. When even that fails both are stored, and the table
        // holds both as well.
        result.oldKeyKept = true;
        result.keptBoth = !store_.Delete(record.name);
        return result.keptBoth;
    }
    // The same key: the old version goes first, so a change of letter case
    // renames the key and none of its passes lingers.
    if (store_.Delete(old.name) && store_.Save(record)) return true;
    store_.Save(old);
    return false;
}

EditorSaveResult AlgorithmEditorModel::Save(const std::string& name,
                                            const std::string& description) {
    EditorSaveResult result;
    result.refusal = CheckRows(result);
    if (result.refusal != EditorRefusal::None) return result;
    name_ = name.substr(0, kMaxAlgorithmName);
    description_ = description.substr(0, kMaxAlgorithmDescription);
    if (name_.empty())
        result.refusal = EditorRefusal::NoName;
    else if (name_.find('\\') != std::string::npos)
        result.refusal = EditorRefusal::BadName;
    else if (NameTaken(name_))
        result.refusal = EditorRefusal::DuplicateName;
    else if (description_.empty())
        result.refusal = EditorRefusal::NoDescription;
    if (result.refusal != EditorRefusal::None) return result;

    Algorithm record;
    record.name = name_;
    record.description = description_;
    record.custom = true;
    for (const std::string& row : rows_) record.passes.push_back(RowPass(row));
    if (!Store(record, result)) {
        result.refusal = result.oldKeyKept ? EditorRefusal::OldKeyKept : EditorRefusal::WriteFailed;
        return result;
    }
    const bool added = NewMode() || result.keptBoth;
    if (added)
        table_.push_back(std::move(record));
    else
        table_[editIndex_] = std::move(record);
    result.moves = OrderAsLoaded(table_, store_.LoadOrder());
    result.savedIndex = added ? result.moves.back() : result.moves[editIndex_];
    if (added) result.moves.pop_back();
    return result;
}

}  // namespace shredder
