#pragma once
// The tuning wizard: nine pages over one set of settings. Opening it reads
// the values found in the system and makes the backup; Finish applies the
// chosen values; Cancel leaves the system as it is.
#include "platform/ui/property_sheet.h"
#include "tuning/model/tuning_settings.h"
#include "tuning/tuning_context.h"
#include "tuning/wizard_pages.h"

namespace tuning {

class CMyPropertySheet : public ui::PropertySheet {
public:
    // `owner` stays disabled while the wizard runs modally.
    CMyPropertySheet(TuningContext& context, HWND owner);

    TuningContext& Context() { return context_; }
    TuningSettings& Settings() { return settings_; }
    // Writes the chosen values and says whether all of them went in.
    void ApplySettings();

protected:
    bool OnInitDialog() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void SetWizardButtonTexts();
    void BackupOriginalSettings();

    TuningContext& context_;
    TuningSettings settings_;
    CChooseConnectionType connection_;
    CMTUSettings mtu_;
    COtherMTUSettings otherMtu_;
    CRWINSetting rwin_;
    CTTLSetting ttl_;
    CKeepAliveSettings keepAlive_;
    CSYNFloodAttackSetting syn_;
    CICMPRedirectAttackSetting icmp_;
    CModemBoost modem_;
};

}  // namespace tuning
