#pragma once
// The proxy configuration wizard: four pages over one ProxyWizardModel, which
// decides what may be chosen, which page follows and what Finish writes.
//
//   RunProxySettingSheet(WizardMode::Set, context, owner);
//
// runs it modally with the writers over the real browsers; tests build a
// CProxySettingSheet with writers of their own.
#include "platform/ui/widgets/check_list_ctrl.h"
#include "popup/pages/page_context.h"
#include "popup/pages/proxy_wizard.h"
#include "platform/ui/property_sheet.h"

namespace popup {

class CProxySettingSheet;

// What the four pages share: Finish and Cancel go to the model, Next and
// Back where its choices lead from the page.
class CWizardPage : public ui::PropertyPage {
public:
    CWizardPage(WizardPage page, CProxySettingSheet& sheet);

protected:
    bool OnWizardFinish() override;
    bool OnQueryCancel() override;
    LRESULT OnWizardNext() override;
    LRESULT OnWizardBack() override;
    // Back, and Next while the page's choices allow it.
    void UpdateNextButton() const;
    // The answer to a wizard move that goes to `page`.
    static LRESULT MoveTo(WizardPage page);
    void SetButtons(DWORD flags) const;
    void SetWizardText(int id, const char* key, const char* def) const;
    void SetWizardText(int id, const TextRef& text) const { SetWizardText(id, text.key, text.def); }
    void Check(int id, bool on) const { CheckDlgButton(Handle(), id, on ? BST_CHECKED : BST_UNCHECKED); }

    const WizardPage page_;
    CProxySettingSheet& sheet_;
    ProxyWizardModel& model_;
    PageContext& context_;
};

// The browsers.
class CMyPropertyPage1 : public CWizardPage {
public:
    explicit CMyPropertyPage1(CProxySettingSheet& sheet);

protected:
    bool OnInitDialog() override;
    bool OnSetActive() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    void UpdateButtons() const;
};

// The connections and the Opera versions.
class CMyPropertyPage2 : public CWizardPage {
public:
    explicit CMyPropertyPage2(CProxySettingSheet& sheet);

protected:
    bool OnInitDialog() override;
    bool OnSetActive() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    void ShowModel();

    ui::CCheckListCtrl list_;
};

// The Netscape/Mozilla profiles.
class CMyPropertyPage3 : public CWizardPage {
public:
    explicit CMyPropertyPage3(CProxySettingSheet& sheet);

protected:
    bool OnInitDialog() override;
    bool OnSetActive() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    ui::CCheckListCtrl list_;
};

// Finish.
class CMyPropertyPage4 : public CWizardPage {
public:
    explicit CMyPropertyPage4(CProxySettingSheet& sheet);

protected:
    bool OnInitDialog() override;
    bool OnSetActive() override;
    bool OnKillActive() override;
};

class CProxySettingSheet : public ui::PropertySheet {
public:
    // `owner` is disabled while the wizard runs modally.
    CProxySettingSheet(WizardMode mode, PageContext& context, ProxyWriters& writers,
                       HWND owner = nullptr);

    ProxyWizardModel& Model() { return model_; }
    PageContext& Context() { return context_; }

protected:
    bool OnInitDialog() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void SetLanguageTexts();
    void OpenHelp();

    PageContext& context_;
    ProxyWizardModel model_;
    CMyPropertyPage1 page1_;
    CMyPropertyPage2 page2_;
    CMyPropertyPage3 page3_;
    CMyPropertyPage4 page4_;
};

// Runs the wizard modally over `owner` with the writers over the installed
// browsers.
void RunProxySettingSheet(WizardMode mode, PageContext& context, HWND owner);

}  // namespace popup
