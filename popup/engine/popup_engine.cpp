#include "popup/engine/popup_engine.h"

#include "popup/engine/block_script.h"

namespace popup {
namespace {
const int kListenBacklog = 5;
const DWORD kDrainWait = 10000;
}

PopupEngine::PopupEngine(std::string programFolder, PopupPolicy::KeyProbe controlHeld)
    : folder_(std::move(programFolder)),
      file_(folder_ + kEngineSettingsFile, kEngineSettingsSection),
      policy_(std::make_shared<PopupPolicy>(controlHeld)),
      listener_(policy_) {}

PopupEngine::~PopupEngine() { Stop(); }

void PopupEngine::Load() { Publish(LoadEngineSettings(file_)); }

bool PopupEngine::Apply(const EngineSettings& settings) {
    Publish(settings);
    // What took effect, a buffer size lowered at run time included.
    if (SaveEngineSettings(file_, Settings())) return true;
    if (!writeErrorReported_) {
        writeErrorReported_ = true;
        Report("Error writing to file:\n" + file_.path());
    }
    return false;
}

int PopupEngine::Start() {
    stopped_ = false;
    int started = listener_.Start(static_cast<unsigned short>(Settings().popupPort), kListenBacklog);
    if (started) Publish(Settings());
    else Report(listener_.LastError());
    return started;
}

void PopupEngine::Stop() {
    if (stopped_) return;
    stopped_ = true;
    listener_.Close();
    listener_.WaitForConnections(kDrainWait);
}

void PopupEngine::Publish(const EngineSettings& settings) {
    auto state = std::make_shared<PopupState>();
    state->settings = settings;
    state->script = BuildInjectedScript(CheckBlockScript(folder_), settings.playWave != 0,
                                        folder_ + kPopupSoundFile);
    state->listenPort = listener_.Port();
    policy_->Publish(std::move(state));
}

void PopupEngine::Report(const std::string& text) {
    if (errorHook_) errorHook_(text);
}

}  // namespace popup
