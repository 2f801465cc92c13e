#pragma once
// The internet cleaner module as the cleaner worker drives it: one parameter
// record attached to the module, then per browser kind a scan and a delete.
#include "popup/pages/browser_state.h"

namespace popup {

class CleanerModule {
public:
    virtual ~CleanerModule() = default;
    // Switches on the record's three scan options.
    virtual void EnableOptions() = 0;
    // Lets the module use the record for its scans and deletes.
    virtual void AttachParams() = 0;
    virtual void SetBrowserKind(int kind) = 0;
    virtual void Scan() = 0;
    virtual void DeleteRedundantEntries() = 0;
    virtual void DeleteOperaRedundantEntries() = 0;
};

// Browser kinds of the parameter record.
enum CleanerBrowserKind {
    kCleanInternetExplorer = 1,
    kCleanNetscape6 = 2,
    kCleanNetscape7 = 3,
    kCleanOpera = 4,
    kCleanMozilla = 5,
};

// One pass of the cleaner over every configured browser; returns 1.
int CleanerWorkerProc(CleanerModule& module, const BrowserState& flags);

}  // namespace popup
