#pragma once
// The nine pages of the tuning wizard. Each shows one group of settings with
// the values found in the system and the recommended ones, corrects what
// the user types as the rules say, and stores the choice in the sheet's
// settings when it is left (or finished on).
#include <string>

#include "platform/ui/property_sheet.h"
#include "tuning/lang_texts.h"
#include "tuning/model/tuning_rules.h"
#include "tuning/model/tuning_settings.h"

namespace tuning {

class CMyPropertySheet;
struct TuningContext;

class CTuningPage : public ui::PropertyPage {
public:
    CTuningPage(int templateId, WizardPage index, CMyPropertySheet& sheet);

protected:
    // Step title, buttons and skin, then the page's own texts and values.
    bool OnSetActive() override;
    bool OnKillActive() override { return LeavePage(); }
    LRESULT OnWizardNext() override;
    LRESULT OnWizardBack() override;
    bool OnWizardFinish() override;

    virtual void EnterPage() {}
    // Stores the page's values in the settings; false keeps the page.
    virtual bool LeavePage() { return true; }

    // The step caption of this page in the family's numbering.
    std::string StepTitle() const;
    TuningContext& Context() const;
    TuningSettings& Settings() const;
    const LangTexts& Texts() const;
    std::string Text(const TextKey& key) const;
    void SetItem(int id, const TextKey& key) { SetItemText(id, Text(key)); }
    // A recommendation text with its number in place of "%d".
    void SetRecommendation(int id, const TextKey& key, long long number) {
        SetItemText(id, FormatNumber(Text(key), number));
    }
    // An explanation followed by the value found in the system and its unit.
    std::string WithPrior(const TextKey& explain, const Setting& setting, const TextKey& unit) const;
    // An explanation followed by "was set to N." (`lead` is the phrase).
    std::string WithCount(const TextKey& explain, const Setting& setting, const TextKey& lead) const;
    // An explanation followed by the on/off state found in the system.
    std::string WithState(const TextKey& explain, const Setting& setting) const;
    // The number an edit holds as far as it reads as one (0 otherwise).
    int EditNumber(int id) const;
    void SetEditNumber(int id, long long number);
    // Replaces a value at or below its floor in the edit by the recommended one.
    void CorrectEditOnFocusLoss(int id, Edit edit);

    CMyPropertySheet& sheet_;
    const WizardPage index_;
};

class CChooseConnectionType : public CTuningPage {
public:
    explicit CChooseConnectionType(CMyPropertySheet& sheet);

protected:
    bool OnInitDialog() override;
    void EnterPage() override;
    bool LeavePage() override;

private:
    void DetectModems();
};

class CMTUSettings : public CTuningPage {
public:
    explicit CMTUSettings(CMyPropertySheet& sheet);

protected:
    void EnterPage() override;
    bool LeavePage() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void DoDataExchange(ui::DataExchange& exchange) override;

private:
    int mtu_ = 0;
    int mss_ = 0;
};

class COtherMTUSettings : public CTuningPage {
public:
    explicit COtherMTUSettings(CMyPropertySheet& sheet);

protected:
    void EnterPage() override;
    bool LeavePage() override;
};

class CRWINSetting : public CTuningPage {
public:
    explicit CRWINSetting(CMyPropertySheet& sheet);

protected:
    void EnterPage() override;
    bool LeavePage() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void DoDataExchange(ui::DataExchange& exchange) override;

private:
    void OnMultiplierChanged();
    void OnMultiplierDone();
    void ShowWindow();

    int multiplier_ = 0;
    int rwin_ = 0;
    bool entering_ = false;
};

class CTTLSetting : public CTuningPage {
public:
    explicit CTTLSetting(CMyPropertySheet& sheet);

protected:
    bool OnInitDialog() override;
    void EnterPage() override;
    bool LeavePage() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void DoDataExchange(ui::DataExchange& exchange) override;

private:
    int ttl_ = 0;
    int http10_ = 0;
    int http11_ = 0;
};

class CKeepAliveSettings : public CTuningPage {
public:
    explicit CKeepAliveSettings(CMyPropertySheet& sheet);

protected:
    bool OnInitDialog() override;
    void EnterPage() override;
    bool LeavePage() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void DoDataExchange(ui::DataExchange& exchange) override;

private:
    int time_ = 0;
    int interval_ = 0;
};

class CSYNFloodAttackSetting : public CTuningPage {
public:
    explicit CSYNFloodAttackSetting(CMyPropertySheet& sheet);

protected:
    bool OnInitDialog() override;
    void EnterPage() override;
    bool LeavePage() override;
    void DoDataExchange(ui::DataExchange& exchange) override;

private:
    int option_ = 0;
};

class CICMPRedirectAttackSetting : public CTuningPage {
public:
    explicit CICMPRedirectAttackSetting(CMyPropertySheet& sheet);

protected:
    void EnterPage() override;
    bool LeavePage() override;
};

class CModemBoost : public CTuningPage {
public:
    explicit CModemBoost(CMyPropertySheet& sheet);

protected:
    void EnterPage() override;
};

}  // namespace tuning
