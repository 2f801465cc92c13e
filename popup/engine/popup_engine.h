#pragma once
// The popup blocker's proxy as the application object holds it: the
// settings file, the prepared script and the listener on PopupPort.
#include <functional>
#include <memory>
#include <string>

#include "common/proxy/proxy_listener.h"
#include "popup/engine/engine_settings.h"
#include "popup/engine/popup_policy.h"

namespace popup {

class PopupEngine {
public:
    using ErrorHook = std::function<void(const std::string&)>;

    // `programFolder` ends with a backslash; the settings file, the script
    // and the sound lie in it.
    PopupEngine(std::string programFolder, PopupPolicy::KeyProbe controlHeld);
    ~PopupEngine();
    PopupEngine(const PopupEngine&) = delete;
    PopupEngine& operator=(const PopupEngine&) = delete;

    // Start-up and Cancel: the file's settings and a freshly prepared script
    // take effect for requests that start from now on.
    void Load();
    // Apply: `settings` take effect and are written to the file. False when
    // the file could not be written (reported once per run to the hook).
    bool Apply(const EngineSettings& settings);
    // A switch the user just turned (catching, sound): `settings` take
    // effect for requests that start from now on; the file is written on
    // Apply.
    void Publish(const EngineSettings& settings);

    // Listens on PopupPort (the system picks one when it is 0). 1 when
    // listening; a failure goes to the hook.
    int Start();
    // Ends listening and every relay (at program exit), waiting a bounded
    // time for the connections to end; once stopped, a further Stop waits
    // no more.
    void Stop();

    EngineSettings Settings() const { return policy_->Current()->settings; }
    unsigned short Port() const { return listener_.Port(); }
    long LiveConnections() const { return listener_.LiveConnections(); }
    std::string SettingsPath() const { return file_.path(); }
    void SetErrorHook(ErrorHook hook) { errorHook_ = std::move(hook); }

private:
    void Report(const std::string& text);

    std::string folder_;
    IniFile file_;
    std::shared_ptr<PopupPolicy> policy_;
    proxy::CProxyListener listener_;
    ErrorHook errorHook_;
    bool writeErrorReported_ = false;
    bool stopped_ = false;
};

}  // namespace popup
