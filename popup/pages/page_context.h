#pragma once
// What the settings page windows and the proxy wizard are built from. The
// main window owns every object named here, fills one PageContext and hands
// it to its pages; the references must outlive the pages.
//
//   CPopupDlg popup(context);      // tab 1, dialog IDD_POPUP_PAGE
//   CActiveXPage activeX(context); // tab 2, dialog IDD_ACTIVEX_PAGE
//   COptionsPage options(context); // tab 3, dialog IDD_OPTIONS_PAGE
//   sheet.AddPage(popup); sheet.AddPage(activeX); sheet.AddPage(options);
//
// The main window implements PageHost; its RunProxyWizard(mode) calls
// RunProxySettingSheet(mode, context, its own handle) (proxy_setting_sheet.h).
// The pages post the private messages of popup/res/resource_ids.h through
// PageHost::PostToMain, and the main window calls back:
//   Cancel: popup.RefreshControls(), activeX.RefreshControls(),
//           options.RefreshControls();
//   Apply:  activeX.SaveZonePolicies() when the page was changed;
//   WM_LANGUAGE_CHANGED: popup.SetLanguageTexts(), options.SetLanguageTexts();
//   WM_SOUND_OPTION_CHANGED: popup.SoundTicked();
//   tray Enable/Disable: popup.StartCleaner().
#include "popup/core/halvane_texts.h"
#include "platform/ui/skin.h"
#include "popup/pages/ad_block.h"
#include "popup/pages/browser_state.h"
#include "popup/pages/cleaner_module.h"
#include "popup/pages/instance_mutex.h"
#include "popup/pages/page_host.h"
#include "popup/pages/page_settings.h"

namespace popup {

struct PageContext {
    PageSettings& settings;
    BrowserStateSource& browsers;
    PageHost& host;
    // The program's lookups in the language file in use.
    const CHalvaneTexts& texts;
    // The skin control the dialogs share (Title.skn).
    CSkin& skin;
    // Banner blocking (HostsAdBlock in the program).
    AdBlockHosts& adBlock;
    // The cleaner module the Popups page's worker drives (DrosselCleaner in
    // the program); it must outlive the Popups page.
    CleanerModule& cleaner;
    // The single-instance mutex start-up took (ProgramInstanceMutex).
    InstanceMutex& mutex;
};

}  // namespace popup
