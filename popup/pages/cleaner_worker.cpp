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
    sync::Lock lock(lock_);
    if (running_) {
        again_ = true;
        return;
    }
    // The last thread took the lock for the last time before it cleared
    // running_, so this join never waits on the lock held here.
    thread_.Join();
    running_ = true;
    idle_.Reset();
    if (!thread_.Start([this] { Run(); })) {
        running_ = false;
        idle_.Set();
    }
}

void CleanerWorker::Wait() {
    for (;;) {
        idle_.Wait();
        sync::Lock lock(lock_);
        if (!running_) {
            thread_.Join();
            return;
        }
    }
}

void CleanerWorker::Run() {
    for (;;) {
        CleanerWorkerProc(module_, state_.Current());
        sync::Lock lock(lock_);
        if (!again_) {
            running_ = false;
            idle_.Set();
            return;
        }
        again_ = false;
    }
}

}  // namespace popup
