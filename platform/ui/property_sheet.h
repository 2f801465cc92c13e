#pragma once
// Property sheets and their pages. A sheet runs modally (DoModal), modeless
// (Create) or modeless and hidden (Create with visible false); with wizard
// mode it shows Back/Next/Finish instead of tabs. Once the platform has set
// the sheet up, its window's messages pass through the sheet object, so a
// derived sheet handles WM_COMMAND, WM_TIMER, WM_SYSCOMMAND, WM_HELP and
// registered messages in its WindowProc like any window.
#include "platform/ui/dialog.h"

#include <commctrl.h>
#include <prsht.h>
#include <string>
#include <vector>

namespace ui {

class PropertyPage : public Dialog {
public:
    explicit PropertyPage(int templateId);

    // Tab text (or wizard step title) used at creation instead of the template's caption.
    void SetCaption(const std::string& caption) { caption_ = caption; }
    // Changed pages enable the sheet's Apply button; applying clears them.
    void SetModified(bool changed = true);
    bool IsModified() const { return modified_; }
    HWND SheetHandle() const { return GetParent(Handle()); }
    // Before creation: the sheet's Help button (PSH_HASHELP) is enabled
    // while this page is shown.
    void EnableHelpButton() { hasHelp_ = true; }

protected:
    // False keeps the page from being shown.
    virtual bool OnSetActive();
    // False keeps the page active (default: the page's fields are saved).
    virtual bool OnKillActive();
    // False refuses the apply and keeps the page (default: marks it unchanged).
    virtual bool OnApply();
    virtual void OnReset();
    // False keeps the sheet open.
    virtual bool OnQueryCancel();
    // Wizard moves: 0 goes to the neighbour page, -1 stays, a page's
    // template id goes to that page.
    virtual LRESULT OnWizardNext();
    virtual LRESULT OnWizardBack();
    // False keeps the wizard open.
    virtual bool OnWizardFinish();

    // The sheet's buttons stand for OK and Cancel.
    void OnOK() override {}
    void OnCancel() override {}
    bool OnNotify(NMHDR& header, LRESULT& result) override;

private:
    friend class PropertySheet;
    // The first layout of the page record, which every comctl32 accepts.
    PROPSHEETPAGEA_V1 Describe();
    static INT_PTR CALLBACK PageProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

    std::string caption_;
    bool modified_ = false;
    bool hasHelp_ = false;
};

class PropertySheet : public Window {
public:
    explicit PropertySheet(const std::string& caption, HWND parent = nullptr, int startPage = 0);
    ~PropertySheet() override;

    void AddPage(PropertyPage& page);
    // Header flags before creation: PSH_NOAPPLYNOW, PSH_HASHELP, PSH_WIZARD ...
    void ModifyFlags(DWORD remove, DWORD add);
    void SetWizardMode() { ModifyFlags(0, PSH_WIZARD); }
    // Window styles of the sheet's dialog template before creation.
    void ModifyTemplateStyle(DWORD remove, DWORD add);

    // IDOK (OK or Finish), IDCANCEL, the code given to EndSheet, or -1.
    INT_PTR DoModal();
    // Modeless. Hidden, the sheet never shows until shown by its owner.
    bool Create(HWND parent = nullptr, bool visible = true);
    // Ends a modal run with the code (through the Cancel button) or
    // destroys a modeless sheet.
    void EndSheet(INT_PTR code);

    int GetPageCount() const { return static_cast<int>(pages_.size()); }
    PropertyPage* GetPage(int index) const;
    int GetActiveIndex() const;
    bool SetActivePage(int index);
    HWND GetTabControl() const;
    void SetTabText(int index, const std::string& text);
    void SetTitle(const std::string& title);
    void SetButtonText(int id, const std::string& text);
    // PSWIZB_* flags; posted, as the platform's own request is.
    void SetWizardButtons(DWORD flags);
    void PressButton(int button);

    bool PreTranslateMessage(MSG& msg) override;

protected:
    // After the platform's own set-up, with the first page created.
    virtual bool OnInitDialog();
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    static int CALLBACK SheetCallback(HWND hwnd, UINT msg, LPARAM lp);
    INT_PTR Start(DWORD modeFlags);

    std::string caption_;
    HWND parent_;
    int startPage_;
    DWORD flags_ = 0;
    DWORD styleRemove_ = 0;
    DWORD styleAdd_ = 0;
    bool modeless_ = false;
    INT_PTR endCode_ = 0;
    bool ended_ = false;
    std::vector<PropertyPage*> pages_;
};

}  // namespace ui
