#include "shredder/pages/algorithm_editor_dlg.h"

#include <string>

#include "shredder/pages/list_text_widths.h"
#include "shredder/pages/option_rules/option_texts.h"
#include "shredder/pages/option_rules/pass_pattern.h"
#include "shredder/res/algorithm_editor_dlg_res.h"

namespace shredder {

namespace {

const UINT kSelectedMask = LVIS_SELECTED | LVIS_FOCUSED;

}  // namespace

CAlgorithmEditorDlg::CAlgorithmEditorDlg(AlgorithmTable& table, AlgorithmStore& store,
                                         int editIndex, const ShredderTexts& texts,
                                         Messenger& messenger, CSkin& skin)
    : Dialog(IDD_ALGORITHM_EDITOR),
      model_(table, store, editIndex),
      texts_(texts),
      messenger_(messenger),
      skin_(skin) {}

bool CAlgorithmEditorDlg::OnInitDialog() {
    Dialog::OnInitDialog();
    skin_.ApplySkin(Handle());
    passes_.SubclassDlgItem(IDC_EDITOR_PASSES, Handle());
    passes_.SetExtendedStyle(LVS_EX_FULLROWSELECT);
    passes_.InsertColumn(0, "#", 40);
    dataHeader_ = texts_.Text(texts::editor::kDataHeader);
    passes_.InsertColumn(1, dataHeader_, passes_.GetStringWidth(dataHeader_) + 15);
    SendDlgItemMessageA(Handle(), IDC_EDITOR_NAME, EM_LIMITTEXT, kMaxAlgorithmName, 0);
    SendDlgItemMessageA(Handle(), IDC_EDITOR_DESCRIPTION, EM_LIMITTEXT, kMaxAlgorithmDescription, 0);
    SetItemText(IDC_EDITOR_PATTERN, "00");
    if (model_.NewMode())
        CheckRadioButton(Handle(), IDC_EDITOR_WRITE_PATTERN, IDC_EDITOR_WRITE_COMPLEMENT,
                         IDC_EDITOR_WRITE_PATTERN);
    else
        FillPassList();
    return true;
}

void CAlgorithmEditorDlg::FillPassList() {
    EnablePassControls(true);
    SetItemText(IDC_EDITOR_NAME, model_.Name());
    SetItemText(IDC_EDITOR_DESCRIPTION, model_.Description());
    for (const std::string& row : model_.Rows())
        if (RowKind(row) == PassKind::Pattern) SetItemText(IDC_EDITOR_PATTERN, PatternDigits(row));
    ShowRows(0);
}

void CAlgorithmEditorDlg::ShowRows(int select) {
    passes_.DeleteAllItems();
    const std::vector<std::string>& rows = model_.Rows();
    for (size_t i = 0; i < rows.size(); ++i) {
        const int row = passes_.InsertItem(static_cast<int>(i), std::to_string(i + 1));
        passes_.SetItemText(row, 1, rows[i]);
    }
    FitDataColumn();
    if (select >= 0) passes_.SetItemState(select, kSelectedMask, kSelectedMask);
}

void CAlgorithmEditorDlg::FitDataColumn() {
    std::vector<std::string> texts = model_.Rows();
    texts.push_back(dataHeader_);
    passes_.SetColumnWidth(1, FittedColumnWidth(texts, ListTextWidths(passes_)));
}

void CAlgorithmEditorDlg::EnablePassControls(bool enable) {
    for (int id : {IDC_EDITOR_SAVE, IDC_EDITOR_PATTERN, IDC_EDITOR_WRITE_PATTERN,
                   IDC_EDITOR_WRITE_RANDOM, IDC_EDITOR_WRITE_COMPLEMENT})
        EnableItem(id, enable);
}

int CAlgorithmEditorDlg::SelectedRowOrTell() {
    const int row = passes_.GetNextItem(-1, LVNI_SELECTED);
    if (row < 0) Tell(texts::editor::kNoPass, MB_ICONEXCLAMATION);
    return row;
}

void CAlgorithmEditorDlg::Tell(const TextRef& text, unsigned icon, int focus) {
    messenger_.Ask(texts_.Text(text), MB_OK | icon);
    if (focus) SetFocus(Item(focus));
}

void CAlgorithmEditorDlg::TellLimit(const TextRef& text, uint32_t limit) {
    messenger_.Ask(FillIn(texts_.Text(text), "%d", std::to_string(limit)), MB_OK | MB_ICONSTOP);
}

void CAlgorithmEditorDlg::OnAddPass() {
    const int row = model_.AddPass();
    if (row < 0) {
        TellLimit(texts::editor::kTooManyPasses, kMaxPasses);
        return;
    }
    SetItemText(IDC_EDITOR_PATTERN, "00");
    CheckRadioButton(Handle(), IDC_EDITOR_WRITE_PATTERN, IDC_EDITOR_WRITE_COMPLEMENT,
                     IDC_EDITOR_WRITE_PATTERN);
    EnablePassControls(true);
    ShowRows(row);
}

void CAlgorithmEditorDlg::OnDeletePass() {
    const int row = SelectedRowOrTell();
    if (row < 0) return;
    const int next = model_.DeletePass(row);
    ShowRows(next);
    if (next < 0) EnablePassControls(false);
}

void CAlgorithmEditorDlg::OnMove(bool up) {
    const int row = SelectedRowOrTell();
    if (row < 0) return;
    ShowRows(up ? model_.MoveUp(row) : model_.MoveDown(row));
}

void CAlgorithmEditorDlg::ShowRow(int row) {
    passes_.SetItemText(row, 1, model_.Rows()[row]);
    FitDataColumn();
}

void CAlgorithmEditorDlg::OnWriteKind(UINT id) {
    if (id == IDC_EDITOR_WRITE_PATTERN) EnableItem(IDC_EDITOR_PATTERN, true);
    const int row = SelectedRowOrTell();
    if (row < 0) return;
    if (id == IDC_EDITOR_WRITE_PATTERN) {
        model_.SetPattern(row, GetItemText(IDC_EDITOR_PATTERN));
    } else {
        if (id == IDC_EDITOR_WRITE_RANDOM)
            model_.SetRandom(row);
        else
            model_.SetComplement(row);
        EnableItem(IDC_EDITOR_PATTERN, false);
    }
    ShowRow(row);
}

// Only typing counts: the text the program puts into the edit is no change.
void CAlgorithmEditorDlg::OnChangePattern() {
    if (GetFocus() != Item(IDC_EDITOR_PATTERN)) return;
    const int row = SelectedRowOrTell();
    if (row < 0) return;
    CheckRadioButton(Handle(), IDC_EDITOR_WRITE_PATTERN, IDC_EDITOR_WRITE_COMPLEMENT,
                     IDC_EDITOR_WRITE_PATTERN);
    model_.SetPattern(row, GetItemText(IDC_EDITOR_PATTERN));
    ShowRow(row);
}

void CAlgorithmEditorDlg::OnRowSelected(int row) {
    EnableItem(IDC_EDITOR_WRITE_COMPLEMENT, AlgorithmEditorModel::ComplementAllowed(row));
    const std::string& text = model_.Rows()[row];
    const PassKind kind = RowKind(text);
    EnableItem(IDC_EDITOR_PATTERN, kind == PassKind::Pattern);
    CheckRadioButton(Handle(), IDC_EDITOR_WRITE_PATTERN, IDC_EDITOR_WRITE_COMPLEMENT,
                     kind == PassKind::Random       ? IDC_EDITOR_WRITE_RANDOM
                     : kind == PassKind::Complement ? IDC_EDITOR_WRITE_COMPLEMENT
                                                    : IDC_EDITOR_WRITE_PATTERN);
    if (kind == PassKind::Pattern) SetItemText(IDC_EDITOR_PATTERN, PatternDigits(text));
}

void CAlgorithmEditorDlg::OnSave() {
    const EditorSaveResult result =
        model_.Save(GetItemText(IDC_EDITOR_NAME), GetItemText(IDC_EDITOR_DESCRIPTION));
    switch (result.refusal) {
    case EditorRefusal::NoPasses: Tell(texts::editor::kNoPass, MB_ICONEXCLAMATION); return;
    case EditorRefusal::TooManyPasses: TellLimit(texts::editor::kTooManyPasses, kMaxPasses); return;
    case EditorRefusal::BadPattern:
        passes_.SetItemState(result.badRow, kSelectedMask, kSelectedMask);
        Tell(texts::editor::kBadPattern, MB_ICONSTOP, IDC_EDITOR_PATTERN);
        return;
    case EditorRefusal::PatternTooLong:
        passes_.SetItemState(result.badRow, kSelectedMask, kSelectedMask);
        TellLimit(texts::editor::kPatternTooLong, kMaxPatternLength);
        return;
    case EditorRefusal::NoName: Tell(texts::editor::kNoName, MB_ICONSTOP, IDC_EDITOR_NAME); return;
    case EditorRefusal::BadName: Tell(texts::editor::kBadName, MB_ICONSTOP, IDC_EDITOR_NAME); return;
    case EditorRefusal::DuplicateName: Tell(texts::editor::kDuplicateName, MB_ICONSTOP); return;
    case EditorRefusal::NoDescription:
        Tell(texts::editor::kNoDescription, MB_ICONSTOP, IDC_EDITOR_DESCRIPTION);
        return;
    case EditorRefusal::WriteFailed:
        Tell(texts::editor::kSaveFailed, MB_ICONSTOP);
        EndDialog(IDCANCEL);
        return;
    case EditorRefusal::OldKeyKept:
        Tell(texts::options::kDeleteFailed, MB_ICONERROR);
        EndDialog(IDCANCEL);
        return;
    case EditorRefusal::None: break;
    }
    if (result.oldKeyKept) Tell(texts::options::kDeleteFailed, MB_ICONERROR);
    saved_ = result;
    EndDialog(IDC_EDITOR_SAVE);
}

bool CAlgorithmEditorDlg::OnCommand(UINT id, UINT code, HWND control) {
    switch (id) {
    case IDC_EDITOR_ADD_PASS: OnAddPass(); return true;
    case IDC_EDITOR_DELETE_PASS: OnDeletePass(); return true;
    case IDC_EDITOR_MOVE_UP: OnMove(true); return true;
    case IDC_EDITOR_MOVE_DOWN: OnMove(false); return true;
    case IDC_EDITOR_SAVE: OnSave(); return true;
    case IDC_EDITOR_WRITE_PATTERN:
    case IDC_EDITOR_WRITE_RANDOM:
    case IDC_EDITOR_WRITE_COMPLEMENT:
        if (code != BN_CLICKED) break;
        OnWriteKind(id);
        return true;
    case IDC_EDITOR_PATTERN:
        if (code != EN_CHANGE) break;
        OnChangePattern();
        return true;
    }
    return Dialog::OnCommand(id, code, control);
}

bool CAlgorithmEditorDlg::OnNotify(NMHDR& header, LRESULT& result) {
    if (header.idFrom == IDC_EDITOR_PASSES && header.code == LVN_ITEMCHANGED) {
        const NMLISTVIEW& change = reinterpret_cast<const NMLISTVIEW&>(header);
        if ((change.uChanged & LVIF_STATE) && (change.uNewState & kSelectedMask) &&
            !(change.uOldState & LVIS_SELECTED) && change.iItem >= 0 &&
            change.iItem < static_cast<int>(model_.Rows().size()))
            OnRowSelected(change.iItem);
    }
    return Dialog::OnNotify(header, result);
}

}  // namespace shredder
