#pragma once
// The main window: a property sheet with the three settings pages that
// lives hidden behind a tray icon, counts blocked popups by their window
// titles, applies and saves the settings and ends the program.
#include <memory>
#include <string>

#include "platform/ui/property_sheet.h"
#include "platform/ui/tray_icon.h"
#include "popup/main_pages.h"
#include "popup/title_scan.h"
#include "popup/tray_menu.h"

namespace popup {

class CHalvaneApp;

class CMainPage : public ui::PropertySheet {
public:
    CMainPage(CHalvaneApp& app, CTitleScan scan = CTitleScan());
    ~CMainPage() override;

    // The last browser window has closed: exit without asking.
    void ExitWithoutQuestion();
    // A page's control changed: the Apply button comes on.
    void MarkActivePageChanged();
    bool PreTranslateMessage(MSG& msg) override;

protected:
    bool OnInitDialog() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    bool OnPrivateMessage(UINT msg);
    void OnTaskbarCreated();
    void OnTrayNotify(LPARAM event);
    bool OnSysCommand(WPARAM command);
    void OnTimer();
    void BuildSystemMenu();

    void ToggleWindow();
    void SetVisible(bool visible);
    void PlaceOnTop();
    void ToggleCatching();
    void ToggleAdBlock();
    void ClearCounter();
    void OpenHelp();
    void ShowAbout();
    void ApplyAll();
    void CancelAll();
    void Exit();

    void ApplyTexts();
    void UpdateTrayMenu();
    void UpdateTrayIcon();
    void UpdateSoundBox();
    HWND PopupPage() const;
    void MarkPopupPageChanged();
    void MarkAllPagesUnchanged();

    CHalvaneApp& app_;
    CTitleScan scan_;
    std::unique_ptr<CMainPages> pages_;
    CTrayMenu menu_;
    std::unique_ptr<ui::TrayIcon> tray_;
    UINT taskbarMsg_;
    UINT taskbarCreated_;
    bool visible_ = false;
    bool noConfirm_ = false;
    bool exiting_ = false;
    bool iconCatching_ = false;
    std::string enabledTip_;
    std::string disabledTip_;
    std::string language_;
};

}  // namespace popup
