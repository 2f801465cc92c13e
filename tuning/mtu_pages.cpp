// The first four pages: connection type, MTU and MSS, path-MTU discovery
// and black-hole detection, receive window.
#include <climits>

#include "platform/ui/data_exchange.h"
#include "tuning/model/modem_boost.h"
#include "tuning/res/wizard_pages_res.h"
#include "tuning/texts.h"
#include "tuning/wizard_sheet.h"

namespace tuning {

CChooseConnectionType::CChooseConnectionType(CMyPropertySheet& sheet)
    : CTuningPage(IDD_CHOOSE_CONNECTION, kConnectionPage, sheet) {}

bool CChooseConnectionType::OnInitDialog() {
    CTuningPage::OnInitDialog();
    CheckRadioButton(Handle(), IDC_RADIO_DIALUP, IDC_RADIO_LAN, IDC_RADIO_DIALUP);
    Context().skin.ApplySkin(sheet_.Handle());
    Context().skin.ApplySkin(Handle());
    return true;
}

void CChooseConnectionType::EnterPage() {
    SetItem(IDC_CONNECTION_QUESTION, texts::kConnectionQuestion);
    SetItem(IDC_RADIO_DIALUP, texts::kDialUp);
    SetItem(IDC_RADIO_CABLE, texts::kCableModem);
    SetItem(IDC_RADIO_DSL, texts::kDsl);
    SetItem(IDC_RADIO_LAN, texts::kLan);
}

bool CChooseConnectionType::LeavePage() {
    Settings().connection = ConnectionFromRadios(Checked(IDC_RADIO_CABLE), Checked(IDC_RADIO_DIALUP),
                                                 Checked(IDC_RADIO_DSL), Checked(IDC_RADIO_LAN));
    if (Settings().connection == ConnectionType::DialUp) DetectModems();
    return true;
}

void CChooseConnectionType::DetectModems() {
    TuningContext& context = Context();
    if (tuning::DetectModems(context.registry, context.family)) context.modemFound = true;
}

CMTUSettings::CMTUSettings(CMyPropertySheet& sheet)
    : CTuningPage(IDD_MTU_SETTINGS, kMtuPage, sheet) {}

void CMTUSettings::DoDataExchange(ui::DataExchange& exchange) {
    exchange.Int(IDC_MTU_EDIT, mtu_, INT_MIN, INT_MAX);
    exchange.Int(IDC_MSS_EDIT, mss_, INT_MIN, INT_MAX);
}

void CMTUSettings::EnterPage() {
    TuningSettings& settings = Settings();
    RecommendMtu(settings);
    SetItemText(IDC_MTU_EXPLAIN, WithPrior(texts::kMtuExplain, settings.mtu, texts::kBytes));
    SetItemText(IDC_MSS_EXPLAIN, WithPrior(texts::kMssExplain, settings.mss, texts::kBytes));
    SetRecommendation(IDC_RECOMMENDED_MTU, texts::kRecommendedMtu, settings.mtu.recommended);
    SetRecommendation(IDC_RECOMMENDED_MSS, texts::kRecommendedMss, settings.mss.recommended);
    mtu_ = settings.mtu.chosen;
    mss_ = settings.mss.chosen;
    UpdateData(false);
}

bool CMTUSettings::LeavePage() {
    if (!UpdateData(true)) return false;
    TuningSettings& settings = Settings();
    settings.mtu.chosen = CorrectEdit(Edit::Mtu, mtu_, settings);
    settings.mss.chosen = CorrectEdit(Edit::Mss, mss_, settings);
    return true;
}

bool CMTUSettings::OnCommand(UINT id, UINT code, HWND control) {
    if (code == EN_KILLFOCUS && id == IDC_MTU_EDIT) {
        CorrectEditOnFocusLoss(id, Edit::Mtu);
        return true;
    }
    if (code == EN_KILLFOCUS && id == IDC_MSS_EDIT) {
        CorrectEditOnFocusLoss(id, Edit::Mss);
        return true;
    }
    return CTuningPage::OnCommand(id, code, control);
}

COtherMTUSettings::COtherMTUSettings(CMyPropertySheet& sheet)
    : CTuningPage(IDD_OTHER_MTU_SETTINGS, kOtherMtuPage, sheet) {}

void COtherMTUSettings::EnterPage() {
    const TuningSettings& settings = Settings();
    SetItemText(IDC_MTU_DISCOVERY_EXPLAIN,
                WithState(texts::kMtuDiscoveryExplain, settings.pathMtuDiscovery));
    SetItemText(IDC_BLACK_HOLE_EXPLAIN,
                WithState(texts::kBlackHoleExplain, settings.blackHoleDetection));
    SetItem(IDC_MTU_DISCOVERY_ADVICE, texts::kMtuDiscoveryAdvice);
    SetItem(IDC_BLACK_HOLE_ADVICE, texts::kBlackHoleAdvice);
    SetItem(IDC_CHK_MTU_DISCOVERY, texts::kDisableIt);
    SetItem(IDC_CHK_BLACK_HOLE, texts::kEnableBlackHole);
}

bool COtherMTUSettings::LeavePage() {
    TuningSettings& settings = Settings();
    settings.pathMtuDiscovery.chosen = PathMtuDiscoveryFromBox(Checked(IDC_CHK_MTU_DISCOVERY));
    settings.blackHoleDetection.chosen = BlackHoleDetectionFromBox(Checked(IDC_CHK_BLACK_HOLE));
    return true;
}

CRWINSetting::CRWINSetting(CMyPropertySheet& sheet)
    : CTuningPage(IDD_RWIN_SETTING, kRwinPage, sheet) {}

void CRWINSetting::DoDataExchange(ui::DataExchange& exchange) {
    exchange.Int(IDC_MULTIPLIER_EDIT, multiplier_, INT_MIN, INT_MAX);
    exchange.Int(IDC_RWIN_EDIT, rwin_, INT_MIN, INT_MAX);
}

void CRWINSetting::EnterPage() {
    TuningSettings& settings = Settings();
    RecommendRwin(settings);
    SetItemText(IDC_RWIN_EXPLAIN, WithPrior(texts::kRwinExplain, settings.rwin, texts::kBytes));
    SetRecommendation(IDC_RECOMMENDED_RWIN, texts::kRecommendedRwin, settings.rwin.recommended);
    SetItem(IDC_SCALING_FACTOR_LABEL, texts::kScalingFactor);
    SetItem(IDC_MULTIPLIER_LABEL, texts::kMultiplier);
    SetEditNumber(IDC_RWIN_MSS, settings.mss.chosen);
    SetEditNumber(IDC_SCALING_FACTOR, kRwinScaling);
    ShowWindow();
}

// The multiplier and window the settings hold, into the edits.
void CRWINSetting::ShowWindow() {
    entering_ = true;
    multiplier_ = Settings().multiplier;
    rwin_ = Settings().rwin.chosen;
    UpdateData(false);
    entering_ = false;
}

void CRWINSetting::OnMultiplierChanged() {
    const int multiplier = EditNumber(IDC_MULTIPLIER_EDIT);
    if (multiplier != 0) SetEditNumber(IDC_RWIN_EDIT, ComputeRwin(Settings().mss.chosen, multiplier));
}

void CRWINSetting::OnMultiplierDone() {
    if (!AcceptMultiplier(EditNumber(IDC_MULTIPLIER_EDIT), Settings()))
        Context().Message(Text(texts::kRwinRange), MB_OK | MB_ICONINFORMATION);
    ShowWindow();
}

bool CRWINSetting::LeavePage() {
    if (!UpdateData(true)) return false;
    TuningSettings& settings = Settings();
    if (RwinInRange(rwin_, settings.mss.chosen)) {
        settings.multiplier = multiplier_;
        settings.rwin.chosen = rwin_;
    } else {
        settings.multiplier = RecommendedMultiplier(settings.connection);
        settings.rwin.chosen = settings.rwin.recommended;
    }
    return true;
}

bool CRWINSetting::OnCommand(UINT id, UINT code, HWND control) {
    if (id == IDC_MULTIPLIER_EDIT && code == EN_CHANGE) {
        if (!entering_) OnMultiplierChanged();
        return true;
    }
    if (id == IDC_MULTIPLIER_EDIT && code == EN_KILLFOCUS) {
        OnMultiplierDone();
        return true;
    }
    return CTuningPage::OnCommand(id, code, control);
}

}  // namespace tuning
