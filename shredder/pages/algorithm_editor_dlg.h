#pragma once
// The custom algorithm editor (131): a thin window over
// AlgorithmEditorModel. DoModal answers IDC_EDITOR_SAVE (1023) after a
// successful save and IDCANCEL otherwise; Enter does nothing (the dialog
// has no default button), so no edit is thrown away by it.
#include "platform/ui/controls.h"
#include "platform/ui/dialog.h"
#include "platform/ui/list_view.h"
#include "platform/ui/skin.h"
#include "shredder/core/messenger.h"
#include "shredder/core/shredder_texts.h"
#include "shredder/pages/option_rules/algorithm_editor_model.h"

namespace shredder {

class CAlgorithmEditorDlg : public ui::Dialog {
public:
    // `editIndex` -1: a new algorithm; else the custom one at that position.
    CAlgorithmEditorDlg(AlgorithmTable& table, AlgorithmStore& store, int editIndex,
                        const ShredderTexts& texts, Messenger& messenger, CSkin& skin);

    // After IDC_EDITOR_SAVE: where the saved algorithm and the others went.
    const EditorSaveResult& SaveResult() const { return saved_; }

protected:
    bool OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;
    void OnOK() override {}

private:
    void FillPassList();
    void ShowRows(int select);
    void ShowRow(int row);
    void FitDataColumn();
    void EnablePassControls(bool enable);
    // The selected row; -1 after telling the user to select one.
    int SelectedRowOrTell();
    void OnAddPass();
    void OnDeletePass();
    void OnMove(bool up);
    void OnWriteKind(UINT id);
    void OnChangePattern();
    void OnRowSelected(int row);
    void OnSave();
    void Tell(const TextRef& text, unsigned icon, int focus = 0);
    void TellLimit(const TextRef& text, uint32_t limit);

    AlgorithmEditorModel model_;
    const ShredderTexts& texts_;
    Messenger& messenger_;
    CSkin& skin_;
    ui::ListView passes_;
    std::string dataHeader_;
    EditorSaveResult saved_;
};

}  // namespace shredder
