// The two event information dialogs: CEventInfoDlg shows an event's site
// and request; CEventInfoExDlg, for blocked user information, also the
// header before and after filtering. Both only show; nothing is written back.
// The labels draw over the skin; the edits, whose text scrolls, keep the
// dialog's own colouring.
#pragma once
#include <string>

#include "privacy/look/dialog_skin.h"
#include "privacy/look/skin_button.h"

namespace privacy {

class CEventInfoDlg : public CDialogSkin1 {
public:
    CEventInfoDlg(std::string url, std::string command);

protected:
    explicit CEventInfoDlg(int templateId, std::string url, std::string command);
    bool OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& exchange) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    std::string url_, command_;
    CSkinButton ok_, cancel_;
};

class CEventInfoExDlg : public CEventInfoDlg {
public:
    CEventInfoExDlg(std::string url, std::string command, std::string before, std::string after);

protected:
    bool OnInitDialog() override;
    void DoDataExchange(ui::DataExchange& exchange) override;

private:
    std::string before_, after_;
};

}  // namespace privacy
