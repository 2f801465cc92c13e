#include "popup/pages/proxy_setting_sheet.h"

#include <htmlhelp.h>

#include "common/browser/connection_options.h"
#include "platform/ui/message_prompt.h"
#include "platform/ui/html_help.h"
#include "platform/ui/module.h"
#include "popup/pages/browser_proxy_writers.h"

namespace popup {

namespace {

// The wizard buttons of the platform's property sheet.
const int kBackButton = 0x3023;
const int kNextButton = 0x3024;

const int kPageTemplates[] = {IDD_WIZARD_BROWSERS, IDD_WIZARD_PROXY, IDD_WIZARD_PROFILES,
                              IDD_WIZARD_FINISH};

}  // namespace

CWizardPage::CWizardPage(WizardPage page, CProxySettingSheet& sheet)
    : PropertyPage(kPageTemplates[page]), page_(page), sheet_(sheet), model_(sheet.Model()),
      context_(sheet.Context()) {}

bool CWizardPage::OnWizardFinish() {
    model_.Finish();
    return true;
}

bool CWizardPage::OnQueryCancel() {
    model_.Cancel();
    return true;
}

LRESULT CWizardPage::MoveTo(WizardPage page) {
    return kPageTemplates[page];
}

LRESULT CWizardPage::OnWizardNext() {
    return MoveTo(model_.NextPage(page_));
}

LRESULT CWizardPage::OnWizardBack() {
    return MoveTo(model_.BackPage(page_));
}

void CWizardPage::UpdateNextButton() const {
    SetButtons(PSWIZB_BACK | (model_.NextEnabled(page_) ? PSWIZB_NEXT : 0));
}

void CWizardPage::SetButtons(DWORD flags) const {
    sheet_.SetWizardButtons(flags);
}

void CWizardPage::SetWizardText(int id, const char* key, const char* def) const {
    context_.texts.GetWizardString(Handle(), id, key, def);
}

CMyPropertyPage1::CMyPropertyPage1(CProxySettingSheet& sheet)
    : CWizardPage(kBrowsersPage, sheet) {}

bool CMyPropertyPage1::OnInitDialog() {
    CWizardPage::OnInitDialog();
    model_.InitBrowsersPage();
    SetWizardText(IDC_BROWSERS_IE, "2904", "&Internet Explorer or AOL or Both.");
    SetWizardText(IDC_BROWSERS_NETSCAPE, "2902", "&Netscape 7.0 or higher.");
    SetWizardText(IDC_BROWSERS_OPERA, "2903", "&Opera.");
    const BrowsersPageView view = model_.BrowsersView();
    SetWizardText(IDC_BROWSERS_HEADING, view.heading);
    SetWizardText(IDC_BROWSERS_NOTE, view.note);
    EnableItem(IDC_BROWSERS_IE, view.ieEnabled);
    EnableItem(IDC_BROWSERS_NETSCAPE, view.netscapeEnabled);
    EnableItem(IDC_BROWSERS_OPERA, view.operaEnabled);
    ShowItem(IDC_BROWSERS_NOTE, view.noteVisible);
    context_.skin.LoadSkin(context_.settings.ProgramFolder() + "\\Title.skn");
    context_.skin.ApplySkin(sheet_.Handle());
    context_.skin.ApplySkin(Handle());
    return true;
}

bool CMyPropertyPage1::OnSetActive() {
    UpdateButtons();
    return CWizardPage::OnSetActive();
}

void CMyPropertyPage1::UpdateButtons() const {
    if (model_.BrowsersView().finishOnly)
        SetButtons(PSWIZB_FINISH);
    else
        SetButtons(model_.NextEnabled(kBrowsersPage) ? PSWIZB_NEXT : 0);
}

bool CMyPropertyPage1::OnCommand(UINT id, UINT code, HWND control) {
    if (code != BN_CLICKED) return CWizardPage::OnCommand(id, code, control);
    switch (id) {
    case IDC_BROWSERS_IE:
        model_.ChooseIE(Checked(id));
        Check(id, model_.IEChosen());
        break;
    case IDC_BROWSERS_NETSCAPE:
        model_.ChooseNetscape(Checked(id));
        Check(id, model_.NetscapeChosen());
        break;
    case IDC_BROWSERS_OPERA:
        model_.ChooseOpera(Checked(id));
        Check(id, model_.OperaChosen());
        break;
    default:
        return CWizardPage::OnCommand(id, code, control);
    }
    UpdateButtons();
    return true;
}

CMyPropertyPage2::CMyPropertyPage2(CProxySettingSheet& sheet)
    : CWizardPage(kConnectionsPage, sheet) {}

bool CMyPropertyPage2::OnInitDialog() {
    CWizardPage::OnInitDialog();
    list_.Bind(Handle(), IDC_PROXY_CONNECTIONS, model_.Connections(), [this] { UpdateNextButton(); });
    model_.InitConnectionsPage();
    list_.Fill(context_.texts.Text("3013", "Connection Name"));
    const ConnectionsPageView view = model_.ConnectionsView();
    SetWizardText(IDC_PROXY_GREYED_NOTE, view.greyNote);
    SetWizardText(IDC_PROXY_NOTE, view.note);
    context_.skin.ApplySkin(Handle());
    return true;
}

bool CMyPropertyPage2::OnSetActive() {
    SetWizardText(IDC_PROXY_OPERA_GROUP, "3001", "Choose your Opera version");
    SetWizardText(IDC_PROXY_OPERA6, "3002", "Opera 6.05");
    SetWizardText(IDC_PROXY_OPERA7, "3003", "Opera 7.11");
    SetWizardText(IDC_PROXY_CONNECTION_GROUP, "3004", "Choose your connection type");
    SetWizardText(IDC_PROXY_LAN, "3005", "LAN");
    SetWizardText(IDC_PROXY_DIALUP, "3006", "Dial-up Connection");
    SetWizardText(IDC_PROXY_CHECK_ALL, "3008", "&Check All");
    SetWizardText(IDC_PROXY_UNCHECK_ALL, "3009", "&Uncheck All");
    ShowModel();
    UpdateNextButton();
    context_.skin.RedrawSkinnedWindow(Handle());
    return CWizardPage::OnSetActive();
}

void CMyPropertyPage2::ShowModel() {
    const ConnectionsPageView view = model_.ConnectionsView();
    for (int id : {IDC_PROXY_OPERA_GROUP, IDC_PROXY_OPERA6, IDC_PROXY_OPERA7})
        ShowItem(id, view.operaVisible);
    EnableItem(IDC_PROXY_OPERA6, view.opera6Enabled);
    EnableItem(IDC_PROXY_OPERA7, view.opera7Enabled);
    for (int id : {IDC_PROXY_CONNECTION_GROUP, IDC_PROXY_CONNECTIONS, IDC_PROXY_CHECK_ALL,
                   IDC_PROXY_UNCHECK_ALL, IDC_PROXY_LAN, IDC_PROXY_DIALUP})
        ShowItem(id, view.ieVisible);
    EnableItem(IDC_PROXY_DIALUP, view.dialUpEnabled);
    for (int id : {IDC_PROXY_CONNECTIONS, IDC_PROXY_CHECK_ALL, IDC_PROXY_UNCHECK_ALL,
                   IDC_PROXY_GREYED_NOTE})
        EnableItem(id, view.listEnabled);
    ShowItem(IDC_PROXY_GREYED_NOTE, view.greyNoteVisible);
    ShowItem(IDC_PROXY_NOTE, view.noteVisible);
    Check(IDC_PROXY_LAN, model_.LanChosen());
    Check(IDC_PROXY_DIALUP, model_.DialUpChosen());
    Check(IDC_PROXY_OPERA6, model_.Opera6Chosen());
    Check(IDC_PROXY_OPERA7, model_.Opera7Chosen());
}

bool CMyPropertyPage2::OnCommand(UINT id, UINT code, HWND control) {
    if (code != BN_CLICKED) return CWizardPage::OnCommand(id, code, control);
    switch (id) {
    case IDC_PROXY_LAN:
        model_.ChooseLan(Checked(id));
        break;
    case IDC_PROXY_DIALUP:
        model_.ChooseDialUp(Checked(id));
        break;
    case IDC_PROXY_OPERA6:
        model_.ChooseOpera6(Checked(id));
        break;
    case IDC_PROXY_OPERA7:
        model_.ChooseOpera7(Checked(id));
        break;
    case IDC_PROXY_CHECK_ALL:
        model_.Connections().CheckAll();
        list_.ShowTicks();
        break;
    case IDC_PROXY_UNCHECK_ALL:
        model_.Connections().UncheckAll();
        list_.ShowTicks();
        break;
    default:
        return CWizardPage::OnCommand(id, code, control);
    }
    ShowModel();
    UpdateNextButton();
    return true;
}

CMyPropertyPage3::CMyPropertyPage3(CProxySettingSheet& sheet)
    : CWizardPage(kProfilesPage, sheet) {}

bool CMyPropertyPage3::OnInitDialog() {
    CWizardPage::OnInitDialog();
    list_.Bind(Handle(), IDC_PROFILES_LIST, model_.Profiles(), [this] { UpdateNextButton(); });
    model_.InitProfilesPage();
    list_.Fill(context_.texts.Text("3104", "Profile Name"));
    SetWizardText(IDC_PROFILES_GREYED_NOTE, model_.ProfilesView().greyNote);
    context_.skin.ApplySkin(Handle());
    return true;
}

bool CMyPropertyPage3::OnSetActive() {
    SetWizardText(IDC_PROFILES_HEADING, "3101", "Choose your profile(s)");
    SetWizardText(IDC_PROFILES_CHECK_ALL, "3105", "&Check All");
    SetWizardText(IDC_PROFILES_UNCHECK_ALL, "3106", "&Uncheck All");
    ShowItem(IDC_PROFILES_GREYED_NOTE, model_.ProfilesView().greyNoteVisible);
    UpdateNextButton();
    context_.skin.RedrawSkinnedWindow(Handle());
    return CWizardPage::OnSetActive();
}

bool CMyPropertyPage3::OnCommand(UINT id, UINT code, HWND control) {
    if (code != BN_CLICKED) return CWizardPage::OnCommand(id, code, control);
    switch (id) {
    case IDC_PROFILES_CHECK_ALL:
        model_.Profiles().CheckAll();
        break;
    case IDC_PROFILES_UNCHECK_ALL:
        model_.Profiles().UncheckAll();
        break;
    default:
        return CWizardPage::OnCommand(id, code, control);
    }
    list_.ShowTicks();
    UpdateNextButton();
    return true;
}

CMyPropertyPage4::CMyPropertyPage4(CProxySettingSheet& sheet)
    : CWizardPage(kFinishPage, sheet) {}

bool CMyPropertyPage4::OnInitDialog() {
    CWizardPage::OnInitDialog();
    context_.skin.ApplySkin(Handle());
    return true;
}

bool CMyPropertyPage4::OnSetActive() {
    SetWizardText(IDC_FINISH_TEXT, "3201", "Press Finish to complete your browser(s) configuration.");
    SetButtons(PSWIZB_BACK | PSWIZB_FINISH);
    return CWizardPage::OnSetActive();
}

// The page before takes Next back instead of Finish.
bool CMyPropertyPage4::OnKillActive() {
    SetButtons(PSWIZB_BACK | PSWIZB_NEXT);
    return CWizardPage::OnKillActive();
}

CProxySettingSheet::CProxySettingSheet(WizardMode mode, PageContext& context,
                                       ProxyWriters& writers, HWND owner)
    : PropertySheet(ui::ResourceString(IDS_WIZARD_CAPTION), owner), context_(context),
      model_(mode, context.browsers, writers, context.settings, context.host, context.texts),
      page1_(*this), page2_(*this), page3_(*this), page4_(*this) {
    SetWizardMode();
    ModifyFlags(0, PSH_HASHELP);
    ui::PropertyPage* pages[] = {&page1_, &page2_, &page3_, &page4_};
    for (int i = 0; i < 4; ++i) {
        // A page whose title the language file lacks keeps its own.
        const std::string key = std::to_string(2900 + 100 * i);
        const std::string title = context.texts.Text(key.c_str(), "Error");
        if (title != "Error") pages[i]->SetCaption(title);
        AddPage(*pages[i]);
    }
}

bool CProxySettingSheet::OnInitDialog() {
    const bool focus = PropertySheet::OnInitDialog();
    SetLanguageTexts();
    return focus;
}

void CProxySettingSheet::SetLanguageTexts() {
    SetButtonText(kBackButton, context_.texts.Text("2603", "< Back"));
    SetButtonText(kNextButton, context_.texts.Text("2604", "Next >"));
    SetButtonText(IDCANCEL, context_.texts.Text("2103", "Cancel"));
    SetButtonText(IDHELP, context_.texts.Text("2602", "Help"));
}

void CProxySettingSheet::OpenHelp() {
    const std::string file = context_.settings.ProgramFolder() + "\\Help\\QXHelp.chm";
    if (!ui::OpenHtmlHelp(Handle(), file, HH_DISPLAY_TOC))
        context_.host.Prompt().Inform("Cannot locate HTML Help file QXHelp.chm",
                               context_.texts.Text(kProgramTitle.key, kProgramTitle.def));
}

LRESULT CProxySettingSheet::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_COMMAND && LOWORD(wp) == IDHELP && HIWORD(wp) == BN_CLICKED) {
        OpenHelp();
        return 0;
    }
    return PropertySheet::WindowProc(msg, wp, lp);
}

void RunProxySettingSheet(WizardMode mode, PageContext& context, HWND owner) {
    ui::ScreenMessagePrompt messages;
    browser::WinInetOptionWriter options;
    BrowserProxyWriters writers(context.browsers, context.texts, messages,
                                context.texts.Text(kProgramTitle.key, kProgramTitle.def), options,
                                browser::SystemProfileBases());
    CProxySettingSheet sheet(mode, context, writers, owner);
    sheet.DoModal();
}

}  // namespace popup
