#pragma once
// The custom algorithm editor (131): a thin window over
// AlgorithmEditorModel. DoModal answers IDC_EDITOR_SAVE (1023) after a
// successful save and IDCANCEL otherwise.
#include "platform/ui/controls.h"
#include "platform/ui/dialog.h"
#include "platform/ui/list_view.h"
#include "shredder/core/messenger.h"
#include "shredder/core/shredder_texts.h"
#include "shredder/pages/option_rules/algorithm_editor_model.h"

namespace shredder {

class CAlgorithmEditorDlg : public ui::Dialog {
public:
    // `editIndex` -1: a new algorithm; else the custom one at that position.
    CAlgorithmEditorDlg(AlgorithmTable& table, AlgorithmStore& store, int editIndex,
                        const ShredderTexts& texts, Messenger& messenger);

protected:
    bool OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    bool OnNotify(NMHDR& header, LRESULT& result) override;

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

    AlgorithmEditorModel model_;
    const ShredderTexts& texts_;
    Messenger& messenger_;
    ui::ListView passes_;
    std::string dataHeader_;
};

}  // namespace shredder
