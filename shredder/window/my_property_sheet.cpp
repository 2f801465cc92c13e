#include "shredder/window/my_property_sheet.h"

#include <shellapi.h>

#include "platform/ui/module.h"
#include "shredder/core/system_places.h"
#include "shredder/pages/shred_control_texts.h"
#include "shredder/shredder_app.h"
#include "shredder/window/about_dlg.h"

namespace shredder {

namespace {

constexpr UINT kCaptionString = 103;
constexpr UINT kAboutString = 105;
constexpr int kProgramIcon = 128;
constexpr int kFirstTabKey = 9600;
constexpr UINT kTrimmedSeparator = 4;

std::string LoadResourceString(UINT id) {
    char text[256] = {};
    LoadStringA(ui::ResourceModule(), id, text, sizeof text);
    return text;
}

}  // namespace

CMyPropertySheet::CMyPropertySheet(CShredderApp& app, NotifyIconApi* shell, WindowFinder* finder)
    : PropertySheet(LoadResourceString(kCaptionString)),
      app_(app),
      options_(app),
      files_(app),
      folders_(app),
      drive_(app),
      recycle_(app),
      scheduler_(app),
      icon_(LoadIconA(ui::ResourceModule(), MAKEINTRESOURCEA(kProgramIcon))),
      tray_(shell ? *shell : shellTray_, RegisterWindowMessageA("TaskbarMsg")),
      format_(finder ? *finder : topLevel_),
      taskbarCreated_(RegisterWindowMessageA("TaskbarCreated")) {
    AddPage(options_);
    AddPage(files_);
    AddPage(folders_);
    AddPage(drive_);
    AddPage(recycle_);
    AddPage(scheduler_);
    ModifyFlags(0, PSH_NOAPPLYNOW | PSH_HASHELP);
    ModifyTemplateStyle(DS_CONTEXTHELP | DS_MODALFRAME, WS_MINIMIZEBOX);
}

bool CMyPropertySheet::OnInitDialog() {
    RECT desktop, sheet;
    GetWindowRect(GetDesktopWindow(), &desktop);
    GetWindowRect(Handle(), &sheet);
    SetWindowPos(Handle(), nullptr,
                 desktop.left + (desktop.right - desktop.left - (sheet.right - sheet.left)) / 2,
                 desktop.top + (desktop.bottom - desktop.top - (sheet.bottom - sheet.top)) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
    Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    TrimSystemMenu();
    tray_.Attach(Handle(), static_cast<HICON>(LoadImageA(ui::ResourceModule(),
                                                          MAKEINTRESOURCEA(kProgramIcon),
                                                          IMAGE_ICON, 16, 16, LR_SHARED)));
    Post(taskbarCreated_);
    SetLanguageTexts();
    // The options page first: it makes the skin control every other page
    // draws with.
    SetActivePage(0);
    SetActivePage(5);
    SetActivePage(0);
    return true;
}

void CMyPropertySheet::SetLanguageTexts() {
    const ShredderTexts& texts = app_.Texts();
    for (int i = 0; i < GetPageCount(); ++i) {
        const std::string tab = texts.Caption(std::to_string(kFirstTabKey + i).c_str(), "Error");
        if (tab != "Error") SetTabText(i, tab);
    }
    const std::string caption = texts.Caption("9606", "Velmora Scourwell");
    SetTitle(caption);
    tray_.SetTip(caption);
    SetButtonText(IDOK, texts.Text("11002", "OK"));
    SetButtonText(kHelpButton, texts.Text("9609", "Help"));
    SetButtonText(IDCANCEL, texts.Text("9608", "Cancel"));
}

void CMyPropertySheet::TrimSystemMenu() {
    HMENU menu = GetSystemMenu(Handle(), FALSE);
    if (!menu) return;
    EnableMenuItem(menu, SC_MINIMIZE, MF_BYCOMMAND | MF_ENABLED);
    DeleteMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
    // Only the separator Maximize leaves behind: on a menu laid out
    // otherwise the item there is a command the user needs.
    const UINT state = GetMenuState(menu, kTrimmedSeparator, MF_BYPOSITION);
    if (state != static_cast<UINT>(-1) && (state & MF_SEPARATOR))
        DeleteMenu(menu, kTrimmedSeparator, MF_BYPOSITION);
    DeleteMenu(menu, SC_SIZE, MF_BYCOMMAND);
    EnableMenuItem(menu, SC_RESTORE, MF_BYCOMMAND | MF_GRAYED | MF_DISABLED);
    const std::string about = LoadResourceString(kAboutString);
    if (about.empty()) return;
    AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(menu, MF_STRING, kAboutCommand, about.c_str());
}

void CMyPropertySheet::StartBlinkTimer() {
    tray_.StartBlink();
    if (Handle()) SetTimer(kBlinkTimerId, kBlinkMs);
}

void CMyPropertySheet::StopBlinkTimer() {
    if (Handle()) KillTimer(kBlinkTimerId);
    tray_.StopBlink();
}

// The name the drive page stored for this drive; the label is read again
// only for a drive it did not name (a command-line run).
void CMyPropertySheet::BeginFormatAutomation(char letter) {
    std::string name = formatDriveName_;
    if (name.find(std::string("(") + letter + ":)") == std::string::npos) {
        char root[] = "X:\\";
        root[0] = letter;
        char label[MAX_PATH] = {};
        GetVolumeInformationA(root, label, MAX_PATH, nullptr, nullptr, nullptr, nullptr, 0);
        name = DriveDisplayName(label, letter);
    }
    format_.Start(Handle(), FormatDialogTitle(CurrentFormatWindows(), name));
}

void CMyPropertySheet::OpenHelp() const { OpenProgramHelp(Handle(), app_.AppPath()); }

void CMyPropertySheet::PaintIcon() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(Handle(), &paint);
    RECT client;
    GetClientRect(Handle(), &client);
    const int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, icon_);
    EndPaint(Handle(), &paint);
}

bool CMyPropertySheet::OnCommand(UINT id, UINT code, HWND control) {
    if (id == IDOK || id == IDCANCEL) tray_.Delete();
    if (id == kHelpButton) {
        OpenHelp();
        return true;
    }
    return PropertySheet::OnCommand(id, code, control);
}

LRESULT CMyPropertySheet::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_SYSCOMMAND:
        if ((wp & 0xFFF0) == kAboutCommand) {
            CAboutDlg about(app_.Texts(), app_.Skin());
            about.DoModal(Handle());
        } else if ((wp & 0xFFF0) == SC_CLOSE) {
            tray_.Delete();
        }
        break;
    case WM_TIMER:
        if (format_.OnTimer(wp)) return 0;
        if (wp == kBlinkTimerId) {
            tray_.Tick();
            return 0;
        }
        break;
    case WM_PAINT:
        if (IsIconic(Handle())) {
            PaintIcon();
            return 0;
        }
        break;
    case WM_HELP:
        OpenHelp();
        return FALSE;
    case WM_QUERYENDSESSION:
        // A running shred stops at its next check; the session may go on ending.
        app_.Engine().Abort() = true;
        break;
    default:
        if (msg == taskbarCreated_) {
            tray_.OnTaskbarCreated();
            return 0;
        }
    }
    return PropertySheet::WindowProc(msg, wp, lp);
}

std::unique_ptr<MainWindow> MakeMainSheet(CShredderApp& app) {
    return std::unique_ptr<MainWindow>(new CMyPropertySheet(app));
}

}  // namespace shredder
