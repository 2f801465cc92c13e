#pragma once
// The program's main window: a property sheet of six pages without Apply,
// with the program icon, the About entry of its system menu, Help, the
// tray icon that blinks while the engine works and the presses of the
// Format dialog's buttons. A command-line run creates it hidden: it still
// carries the tray icon and the timers.
#include <windows.h>

#include "platform/ui/property_sheet.h"
#include "shredder/pages/drive_page.h"
#include "shredder/pages/files_page.h"
#include "shredder/pages/folders_page.h"
#include "shredder/pages/options_page.h"
#include "shredder/pages/recycle_page.h"
#include "shredder/window/format_automation.h"
#include "shredder/window/main_window.h"
#include "shredder/window/scheduler_page.h"
#include "shredder/window/tray_blink.h"

namespace shredder {

constexpr UINT_PTR kBlinkTimerId = 32778;
constexpr UINT kBlinkMs = 200;
constexpr UINT kAboutCommand = 16;
constexpr int kHelpButton = 9;

class CMyPropertySheet : public ui::PropertySheet, public MainWindow {
public:
    // The tray and the Format window search are the system's unless given.
    explicit CMyPropertySheet(CShredderApp& app, NotifyIconApi* shell = nullptr,
                              WindowFinder* finder = nullptr);

    INT_PTR RunModal() override { return DoModal(); }
    bool CreateHidden() override { return Create(nullptr, false); }
    HWND Window() const override { return Handle(); }
    void StartBlinkTimer() override;
    void StopBlinkTimer() override;
    void DeleteTrayIcon() override { tray_.Delete(); }
    void BeginFormatAutomation(char letter) override;
    void EndFormatAutomation() override { format_.Stop(); }

    void SetLanguageTexts() override;
    void ShredRecycleBin() override { recycle_.ShredRecycleBin(); }
    void SetFormatDriveName(const std::string& displayName) override { formatDriveName_ = displayName; }
    const SheetTrayIcon& Tray() const { return tray_; }

protected:
    bool OnInitDialog() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    void TrimSystemMenu();
    void OpenHelp() const;
    void PaintIcon();

    CShredderApp& app_;
    CMyPropertyPage1 options_;
    CMyPropertyPage2 files_;
    CMyPropertyPage3 folders_;
    CMyPropertyPage4 drive_;
    CMyPropertyPage5 recycle_;
    CMyPropertyPage6 scheduler_;
    HICON icon_;
    ShellNotifyIcon shellTray_;
    SheetTrayIcon tray_;
    TopLevelWindowFinder topLevel_;
    FormatAutomation format_;
    UINT taskbarCreated_;
    std::string formatDriveName_;
};

// The factory the program hands its application object.
std::unique_ptr<MainWindow> MakeMainSheet(CShredderApp& app);

}  // namespace shredder
