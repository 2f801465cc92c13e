#include "uninstall/orlenby_app.h"

#include <windows.h>

#include "common/browser/connection_list.h"
#include "common/suite/blinkward.h"
#include "platform/registry/reg_key.h"
#include "uninstall/browser_reset.h"
#include "uninstall/hosts_restore.h"
#include "uninstall/orlenby_texts.h"
#include "uninstall/zone_restore.h"

namespace uninstall {

namespace bw = suite::blinkward;

COrlenbyApp::COrlenbyApp(const Surroundings& where, ui::MessagePrompt& prompt,
                         browser::ConnectionOptionWriter& options)
    : where_(where), prompt_(prompt), options_(options) {}

bool COrlenbyApp::InitInstance() {
    {
        CRegKey product;
        if (!product.Open(HKEY_CURRENT_USER, bw::kProductKey, KEY_READ)) return false;
        Path.clear();
        product.ReadString("Path", Path);
        if (!product.ReadString("Language", Language)) Language = "English";
    }
    const COrlenbyTexts texts(Path, Language);
    RestoreZones(texts);
    Title = bw::WindowTitle(texts.Text(bw::kTitleKey, bw::kTitleDefault));
    NotifyBlocker();
    const bool netscape = ResetBrowsers(texts);
    RestoreHostsFile(texts);
    if (netscape)
        prompt_.Show(texts.Text("2257", "Netscape settings will take effect from the second launch"),
                     texts.Text("2258", "Reset Netscape Proxy Settings"), MB_OK);
    return false;
}

void COrlenbyApp::RestoreZones(const lang::TextSource& texts) {
    // Without a product folder the backup would be looked for at the root.
    if (!Path.empty() && RestoreActiveXZones(Path + "\\" + bw::kZoneBackupFile)) return;
    prompt_.Show(texts.Text("19018",
                            "ActiveX restore settings file can't be found\r\nActiveX Settings "
                            "will not be restored"),
                 texts.Text("99990", "QX Blinkward & Ads Filter & Ads Filter"), MB_OK);
}

void COrlenbyApp::NotifyBlocker() const {
    if (HWND blocker = FindWindowA(nullptr, Title.c_str()))
        PostMessageA(blocker, bw::WM_UNINSTALL_NOTICE, 0, 0);
}

bool COrlenbyApp::ResetBrowsers(const lang::TextSource& texts) {
    CRegKey flags;
    if (!flags.Open(HKEY_CURRENT_USER, bw::kProxySettingKey, KEY_READ)) return false;
    browser::BrowserEnv env{texts, prompt_, state_, options_, where_.bases, Title};
    browser::CConnectionList connections(env);
    return RestoreBrowserProxies(env, connections);
}

void COrlenbyApp::RestoreHostsFile(const lang::TextSource& texts) {
    const std::string target = FindHostsFile(where_.windowsFolder, where_.nt);
    if (target.empty()) {
        prompt_.Show(texts.Text("19017",
                                "HOSTS file not found in your operating system, please contact "
                                "our customr support telling us your operating system version"),
                     texts.Text("99990", "Velmora Blinkward"), MB_OK);
        return;
    }
    RestoreHosts(Path.empty() ? std::string() : Path + "\\" + bw::kHostsBackupFile, target,
                 browser::kProxyHost);
}

}  // namespace uninstall
