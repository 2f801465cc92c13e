#include "platform/drossel/drossel.h"

#include <atomic>

namespace {

std::atomic<DrosselObserver> g_observer{nullptr};

// The operation with what the module reads from the record in its third word.
void Report(int operation, const CInternetCleanerModule& module) {
    DrosselObserver observer = g_observer.load();
    if (!observer) return;
    DrosselCall call = {operation, 0, {0, 0, 0}, module.Params};
    if (const CInternetCleanerParamters* params = module.Params) {
        call.browserKind = params->BrowserKind();
        for (int i = 0; i < CInternetCleanerParamters::kScanOptionCount; ++i) {
            call.options[i] = params->Option(static_cast<CInternetCleanerParamters::ScanOption>(i));
        }
    }
    observer(&call);
}

}  // namespace

CInternetCleanerParamters::CInternetCleanerParamters() : bytes_() {}

CInternetCleanerModule::CInternetCleanerModule()
    : ScannedKind(0), FoundEntries(0), Params(nullptr) {}

CInternetCleanerModule::~CInternetCleanerModule() = default;

// This module keeps no list of entries it would call redundant: a scan finds
// nothing, so the delete operations have nothing to remove.
void CInternetCleanerModule::Scan() {
    ScannedKind = Params ? Params->BrowserKind() : 0;
    FoundEntries = 0;
    Report(kDrosselScan, *this);
}

void CInternetCleanerModule::DeleteReduandantEntries() {
    FoundEntries = 0;
    Report(kDrosselDeleteRedundant, *this);
}

void CInternetCleanerModule::DeleteOperaRedundantEntries() {
    FoundEntries = 0;
    Report(kDrosselDeleteOperaRedundant, *this);
}

DrosselObserver DrosselSetObserver(DrosselObserver observer) {
    return g_observer.exchange(observer);
}
