#pragma once
// Dialogs from a template of the program's resources: modal (DoModal, ended
// with any code through EndDialog) or modeless (Create, ended by Destroy).
// Fields move between members and controls in DoDataExchange, run by
// UpdateData.
#include "platform/ui/window.h"

namespace ui {

class DataExchange;

class Dialog : public Window {
public:
    explicit Dialog(int templateId);
    ~Dialog() override;

    INT_PTR DoModal(HWND parent = nullptr);
    bool Create(HWND parent = nullptr);
    void EndDialog(INT_PTR code);

    // save: controls to members, with validation (false when a field was
    // refused; the user has been told). Otherwise members to controls.
    bool UpdateData(bool save = true);

    int TemplateId() const { return templateId_; }
    bool IsModal() const { return modal_; }

    bool PreTranslateMessage(MSG& msg) override;

protected:
    // True: the system sets the focus to the first control.
    virtual bool OnInitDialog();
    virtual void OnOK();
    virtual void OnCancel();
    virtual void DoDataExchange(DataExchange& exchange);
    // Whether the check box or radio button `id` is ticked.
    bool Checked(int id) const { return IsDlgButtonChecked(Handle(), id) == BST_CHECKED; }

    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    LRESULT DefaultProc(UINT msg, WPARAM wp, LPARAM lp) override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

    // Runs one dialog message through the object and turns its result into
    // the dialog procedure's answer.
    static INT_PTR Route(Dialog* dialog, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

private:
    static INT_PTR CALLBACK DialogProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

    int templateId_;
    bool modal_ = false;
    bool defaulted_ = false;
};

}  // namespace ui
