#include "privacy/app/event_info_dlg.h"

#include "platform/ui/data_exchange.h"
#include "privacy/app/page_helpers.h"
#include "privacy/app/res/events_page_res.h"
#include "privacy/core/text_routines.h"
#include "privacy/look/language_texts.h"

namespace privacy {

CEventInfoDlg::CEventInfoDlg(std::string url, std::string command)
    : CEventInfoDlg(IDD_EVENT_INFO, std::move(url), std::move(command)) {}

CEventInfoDlg::CEventInfoDlg(int templateId, std::string url, std::string command)
    : CDialogSkin1(templateId), url_(std::move(url)), command_(std::move(command)) {}

bool CEventInfoDlg::OnInitDialog() {
    CDialogSkin1::OnInitDialog();
    ShowWindow(MinimiseButton().Handle(), SW_HIDE);
    ok_.BindDlgItem(IDOK, Handle());
    cancel_.BindDlgItem(IDCANCEL, Handle());
    SetText(Text(59));
    ApplyItemTexts(Handle(), {{IDOK, 67}, {IDCANCEL, 68}, {IDC_INFO_URL_LABEL, 13},
                              {IDC_INFO_COMMAND_LABEL, 61}});
    return true;
}

void CEventInfoDlg::DoDataExchange(ui::DataExchange& exchange) {
    exchange.Text(IDC_INFO_URL, url_);
    exchange.Text(IDC_INFO_COMMAND, command_);
}

LRESULT CEventInfoDlg::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (msg == WM_CTLCOLORSTATIC) {
        // Scrolled text drawn over no background would stay on the old.
        char name[8] = "";
        GetClassNameA(reinterpret_cast<HWND>(lp), name, sizeof name);
        if (!EqualsNoCase(name, "Edit") && AnswerSeeThrough(Handle(), msg, wp, result))
            return result;
        // The dialog's default colouring, not the skin's see-through answer.
        return ui::Dialog::WindowProc(msg, wp, lp);
    }
    return CDialogSkin1::WindowProc(msg, wp, lp);
}

CEventInfoExDlg::CEventInfoExDlg(std::string url, std::string command, std::string before,
                                 std::string after)
    : CEventInfoDlg(IDD_EVENT_INFO_EX, std::move(url), std::move(command)),
      before_(std::move(before)), after_(std::move(after)) {}

bool CEventInfoExDlg::OnInitDialog() {
    CEventInfoDlg::OnInitDialog();
    ApplyItemTexts(Handle(), {{IDC_INFO_BEFORE_LABEL, 63}, {IDC_INFO_AFTER_LABEL, 62}});
    return true;
}

void CEventInfoExDlg::DoDataExchange(ui::DataExchange& exchange) {
    CEventInfoDlg::DoDataExchange(exchange);
    exchange.Text(IDC_INFO_BEFORE, before_);
    exchange.Text(IDC_INFO_AFTER, after_);
}

}  // namespace privacy
