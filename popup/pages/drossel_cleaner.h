#pragma once
// The cleaner worker's module: "Drossel.dll" with the parameter record the
// Popups page owns for as long as it lives.
#include "platform/drossel/drossel.h"
#include "popup/pages/cleaner_module.h"

namespace popup {

class DrosselCleaner : public CleanerModule {
public:
    DrosselCleaner() = default;
    DrosselCleaner(const DrosselCleaner&) = delete;
    DrosselCleaner& operator=(const DrosselCleaner&) = delete;

    void EnableOptions() override;
    void AttachParams() override;
    void SetBrowserKind(int kind) override;
    void Scan() override;
    void DeleteRedundantEntries() override;
    void DeleteOperaRedundantEntries() override;

private:
    CInternetCleanerModule Cleaner;
    CInternetCleanerParamters CleanerParams;
};

}  // namespace popup
