#pragma once
// Runs the cleaner passes on a thread of their own, one thread at a time: a
// start while a pass runs makes that thread run one more pass with the flags
// as they are then. The destructor waits for the thread.
#include "platform/sync/sync.h"
#include "popup/pages/browser_state.h"
#include "popup/pages/cleaner_module.h"

namespace popup {

class CleanerWorker {
public:
    CleanerWorker(CleanerModule& module, const BrowserStateSource& state);
    ~CleanerWorker();
    CleanerWorker(const CleanerWorker&) = delete;
    CleanerWorker& operator=(const CleanerWorker&) = delete;

    void Start();
    // Waits until no pass runs or is due.
    void Wait();

private:
    void Run();

    CleanerModule& module_;
    const BrowserStateSource& state_;
    sync::CriticalSection lock_;
    bool running_ = false;
    bool again_ = false;
    sync::Event idle_{true, true};  // set while no pass runs or is due
    sync::Thread thread_;
};

}  // namespace popup
