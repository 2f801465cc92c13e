// The later pages: TTL and Internet Explorer connections, keep-alive, SYN
// attack protection, ICMP redirects and the modem boost.
#include <climits>

#include "platform/ui/data_exchange.h"
#include "tuning/res/wizard_pages_res.h"
#include "tuning/texts.h"
#include "tuning/wizard_sheet.h"

namespace tuning {

CTTLSetting::CTTLSetting(CMyPropertySheet& sheet) : CTuningPage(IDD_TTL_SETTING, kTtlPage, sheet) {}

bool CTTLSetting::OnInitDialog() {
    CTuningPage::OnInitDialog();
    ttl_ = Settings().ttl.chosen;
    http10_ = Settings().http10Connections.chosen;
    http11_ = Settings().http11Connections.chosen;
    UpdateData(false);
    return true;
}

void CTTLSetting::DoDataExchange(ui::DataExchange& exchange) {
    exchange.Int(IDC_TTL_EDIT, ttl_, 0, 255);
    exchange.Int(IDC_HTTP_1_0_EDIT, http10_, INT_MIN, INT_MAX);
    exchange.Int(IDC_HTTP_1_1_EDIT, http11_, INT_MIN, INT_MAX);
}

void CTTLSetting::EnterPage() {
    const TuningSettings& settings = Settings();
    SetItemText(IDC_TTL_EXPLAIN, WithPrior(texts::kTtlExplain, settings.ttl, texts::kSeconds));
    SetRecommendation(IDC_RECOMMENDED_TTL, texts::kRecommendedTtl, settings.ttl.recommended);
    SetItem(IDC_IE_GROUP_BOX, texts::kIeGroup);
    SetItem(IDC_IE_OPTIMIZATION, texts::kIeOptimization);
    SetItemText(IDC_CURRENT_HTTP_1_0,
                WithCount(texts::kCurrentHttp10, settings.http10Connections, texts::kWasSetTo));
    SetItemText(IDC_CURRENT_HTTP_1_1,
                WithCount(texts::kCurrentHttp11, settings.http11Connections, texts::kWasSetTo));
    SetRecommendation(IDC_RECOMMENDED_HTTP_1_0, texts::kRecommendedHttp10,
                      settings.http10Connections.recommended);
    SetRecommendation(IDC_RECOMMENDED_HTTP_1_1, texts::kRecommendedHttp11,
                      settings.http11Connections.recommended);
}

bool CTTLSetting::LeavePage() {
    if (!UpdateData(true)) return false;
    TuningSettings& settings = Settings();
    settings.ttl.chosen = CorrectEdit(Edit::Ttl, ttl_, settings);
    settings.http10Connections.chosen = CorrectEdit(Edit::Http10, http10_, settings);
    settings.http11Connections.chosen = CorrectEdit(Edit::Http11, http11_, settings);
    return true;
}

bool CTTLSetting::OnCommand(UINT id, UINT code, HWND control) {
    if (code != EN_KILLFOCUS) return CTuningPage::OnCommand(id, code, control);
    switch (id) {
    case IDC_TTL_EDIT:
        CorrectEditOnFocusLoss(id, Edit::Ttl);
        return true;
    case IDC_HTTP_1_0_EDIT:
        CorrectEditOnFocusLoss(id, Edit::Http10);
        return true;
    case IDC_HTTP_1_1_EDIT:
        CorrectEditOnFocusLoss(id, Edit::Http11);
        return true;
    default:
        return CTuningPage::OnCommand(id, code, control);
    }
}

CKeepAliveSettings::CKeepAliveSettings(CMyPropertySheet& sheet)
    : CTuningPage(IDD_KEEP_ALIVE_SETTINGS, kKeepAlivePage, sheet) {}

bool CKeepAliveSettings::OnInitDialog() {
    CTuningPage::OnInitDialog();
    time_ = Settings().keepAliveTime.chosen;
    interval_ = Settings().keepAliveInterval.chosen;
    UpdateData(false);
    return true;
}

void CKeepAliveSettings::DoDataExchange(ui::DataExchange& exchange) {
    exchange.Int(IDC_KEEP_ALIVE_TIME_EDIT, time_, INT_MIN, INT_MAX);
    exchange.Int(IDC_KEEP_ALIVE_INTERVAL_EDIT, interval_, INT_MIN, INT_MAX);
}

void CKeepAliveSettings::EnterPage() {
    const TuningSettings& settings = Settings();
    SetItemText(IDC_KEEP_ALIVE_TIME_EXPLAIN,
                WithPrior(texts::kKeepAliveTimeExplain, settings.keepAliveTime, texts::kMilliseconds));
    SetItemText(IDC_KEEP_ALIVE_INTERVAL_EXPLAIN,
                WithPrior(texts::kKeepAliveIntervalExplain, settings.keepAliveInterval,
                          texts::kMilliseconds));
    SetRecommendation(IDC_RECOMMENDED_KEEP_ALIVE_TIME, texts::kRecommendedKeepAliveTime,
                      settings.keepAliveTime.recommended);
    SetRecommendation(IDC_RECOMMENDED_KEEP_ALIVE_INTERVAL, texts::kRecommendedKeepAliveInterval,
                      settings.keepAliveInterval.recommended);
}

bool CKeepAliveSettings::LeavePage() {
    if (!UpdateData(true)) return false;
    TuningSettings& settings = Settings();
    settings.keepAliveTime.chosen = CorrectEdit(Edit::KeepAliveTime, time_, settings);
    settings.keepAliveInterval.chosen = CorrectEdit(Edit::KeepAliveInterval, interval_, settings);
    return true;
}

bool CKeepAliveSettings::OnCommand(UINT id, UINT code, HWND control) {
    if (code == EN_KILLFOCUS && id == IDC_KEEP_ALIVE_TIME_EDIT) {
        CorrectEditOnFocusLoss(id, Edit::KeepAliveTime);
        return true;
    }
    if (code == EN_KILLFOCUS && id == IDC_KEEP_ALIVE_INTERVAL_EDIT) {
        CorrectEditOnFocusLoss(id, Edit::KeepAliveInterval);
        return true;
    }
    return CTuningPage::OnCommand(id, code, control);
}

CSYNFloodAttackSetting::CSYNFloodAttackSetting(CMyPropertySheet& sheet)
    : CTuningPage(IDD_SYN_FLOOD_SETTING, kSynPage, sheet) {}

bool CSYNFloodAttackSetting::OnInitDialog() {
    CTuningPage::OnInitDialog();
    option_ = Settings().synProtect.chosen;
    UpdateData(false);
    return true;
}

void CSYNFloodAttackSetting::DoDataExchange(ui::DataExchange& exchange) {
    exchange.Int(IDC_SYN_EDIT, option_, 0, 2);
}

void CSYNFloodAttackSetting::EnterPage() {
    SetItem(IDC_SYN_EXPLAIN, texts::kSynExplain);
    SetItemText(IDC_SYN_OPTIONS,
                WithCount(texts::kSynOptions, Settings().synProtect, texts::kWasSetToOption));
    SetItem(IDC_SYN_QUESTION, texts::kSynQuestion);
}

bool CSYNFloodAttackSetting::LeavePage() {
    if (!UpdateData(true)) return false;
    Settings().synProtect.chosen = option_;
    return true;
}

CICMPRedirectAttackSetting::CICMPRedirectAttackSetting(CMyPropertySheet& sheet)
    : CTuningPage(IDD_ICMP_REDIRECT_SETTING, kIcmpPage, sheet) {}

void CICMPRedirectAttackSetting::EnterPage() {
    SetItem(IDC_ICMP_EXPLAIN, texts::kIcmpExplain);
    SetItem(IDC_ICMP_EXPLAIN2, texts::kIcmpExplain2);
    SetItem(IDC_ICMP_EXPLAIN3, texts::kIcmpExplain3);
    SetItemText(IDC_ICMP_EXPLAIN4, WithState(texts::kIcmpExplain4, Settings().icmpRedirects));
    SetItem(IDC_ICMP_ADVICE, texts::kIcmpAdvice);
    SetItem(IDC_CHK_ICMP, texts::kEnableIcmp);
}

bool CICMPRedirectAttackSetting::LeavePage() {
    Settings().icmpRedirects.chosen = Checked(IDC_CHK_ICMP) ? 1 : 0;
    return true;
}

CModemBoost::CModemBoost(CMyPropertySheet& sheet) : CTuningPage(IDD_MODEM_BOOST, kModemPage, sheet) {}

void CModemBoost::EnterPage() { SetItem(IDC_MODEM_DESCRIPTION, texts::kModemDescription); }

}  // namespace tuning
