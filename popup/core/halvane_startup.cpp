#include "popup/core/halvane_startup.h"

#include <windows.h>

#include "common/lang/text_source.h"
#include "popup/core/first_run_backup.h"
#include "popup/core/first_run_prompt.h"
#include "popup/core/halvane_settings.h"
#include "platform/sync/sync.h"
#include "platform/ui/message_prompt.h"
#include "popup/res/resource_ids.h"


namespace popup {

CHalvaneStartup::CHalvaneStartup(CHalvaneSettings& settings, BrowserState& browsers,
                                 sync::InstanceMutex& mutex, const lang::TextSource& texts,
                                 ui::MessagePrompt& prompt, StartupWindowSteps& steps,
                                 const CHostsFile& hosts)
    : settings_(settings),
      browsers_(browsers),
      mutex_(mutex),
      texts_(texts),
      prompt_(prompt),
      steps_(steps),
      hosts_(hosts) {}

StartupEnd CHalvaneStartup::Run() {
    if (!mutex_.Take(suite::blinkward::WindowTitle(texts_.Text(kInstanceKey, kInstanceDefault)))) {
        return StartupEnd::AnotherInstance;
    }
    settings_.ReadStartFlags();
    programTitle_ = texts_.Text("99990", "Velmora Blinkward");
    steps_.ReadBrowserState(browsers_);
    if (settings_.LoadSettings(prompt_, texts_, programTitle_) != 0) {
        return StartupEnd::SettingsMissing;
    }
    if (settings_.firstRun && !TakeFirstRunBackups()) return StartupEnd::HostsMissing;
    RunFirstRunPrompt(browsers_, settings_, prompt_, texts_, programTitle_);
    windowTitle_ = suite::blinkward::WindowTitle(texts_.Text(kInstanceKey, kInstanceDefault));
    steps_.SetProxyAlias(kProxyAlias);
    if (!steps_.InitSockets()) {
        prompt_.Show(steps_.ResourceText(IDS_SOCKETS_INIT_FAILED), programTitle_, MB_OK);
        return StartupEnd::SocketsFailed;
    }
    steps_.EnableControlHosting();
    if (!steps_.CreateHiddenOwnerWindow(windowTitle_)) return StartupEnd::NoHiddenWindow;
    steps_.Enable3dControls();
    if (!hosts_.AddHostsEntry(kLoopbackAddress, kProxyAlias)) ReportHostsNotWritable();
    steps_.CreateCounterWindow();
    steps_.WriteStartupFiles();
    steps_.SetDialogColours();
    if (!settings_.firstRun && settings_.showAtStart) steps_.ShowTrayNotice();
    steps_.RunMainSheet();
    return StartupEnd::MainSheetClosed;
}

bool CHalvaneStartup::TakeFirstRunBackups() {
    if (BackupHosts(hosts_, settings_.path) == BackupResult::HostsMissing) {
        prompt_.Show(texts_.Text("19017", "HOSTS file not found in your operating system, "
                                          "please contact our customr support telling us your "
                                          "operating system version"),
                     programTitle_, MB_OK);
        return false;
    }
    BackupActiveXZones(settings_.path);
    return true;
}

void CHalvaneStartup::ReportHostsNotWritable() {
    const std::string text =
        texts_.Text("6005", "Error, Can't write to the hosts file, the program may not run "
                            "correctly") +
        texts_.Text("6006", "To perform it manually, go to your windows directory open the "
                            "..\\[system folder]\\drivers\\etc\\") +
        texts_.Text("6007", "open the file with name HOSTS in any text editor") +
        texts_.Text("6008", "finally add the following line at the end of the file") +
        texts_.Text("6009", "127.0.0.1\tVelmoraBlinkward");
    prompt_.Show(text, programTitle_, MB_OK | MB_ICONINFORMATION);
}

}  // namespace popup
