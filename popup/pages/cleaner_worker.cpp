#include "popup/pages/cleaner_worker.h"

namespace popup {

int CleanerWorkerProc(CleanerModule& module, const BrowserState& flags) {
    module.EnableOptions();
    module.AttachParams();
    if (flags.LanConfigured || flags.DialUpConfigured) {
        module.SetBrowserKind(kCleanInternetExplorer);
        module.Scan();
        module.DeleteRedundantEntries();
    }
    if (flags.NetscapeConfigured) {
        for (int kind : {kCleanNetscape6, kCleanNetscape7, kCleanMozilla}) {
            module.SetBrowserKind(kind);
            module.Scan();
            module.DeleteRedundantEntries();
        }
    }
    if (flags.Opera6Configured || flags.Opera7Configured) {
        module.SetBrowserKind(kCleanOpera);
        module.Scan();
        module.DeleteOperaRedundantEntries();
    }
    return 1;
}

CleanerWorker::CleanerWorker(CleanerModule& module, const BrowserStateSource& state)
    : module_(module), state_(state) {}

CleanerWorker::~CleanerWorker() {
    Wait();
}

void CleanerWorker::Start() {
    std::lock_guard<std::mutex> guard(lock_);
    if (running_) {
        again_ = true;
        return;
    }
    if (thread_.joinable()) thread_.join();
    running_ = true;
    thread_ = std::thread(&CleanerWorker::Run, this);
}

void CleanerWorker::Wait() {
    std::thread thread;
    {
        std::lock_guard<std::mutex> guard(lock_);
        thread = std::move(thread_);
    }
    if (thread.joinable()) thread.join();
}

void CleanerWorker::Run() {
    for (;;) {
        CleanerWorkerProc(module_, state_.Current());
        std::lock_guard<std::mutex> guard(lock_);
        if (!again_) {
            running_ = false;
            return;
        }
        again_ = false;
    }
}

}  // namespace popup
