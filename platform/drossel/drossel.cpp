#include "platform/drossel/drossel.h"

#include <atomic>

namespace {

std::atomic<DrosselObserver> g_observer{nullptr};

void Report(int operation, int kind) {
    if (DrosselObserver observer = g_observer.load()) observer(operation, kind);
}

int AttachedKind(const CInternetCleanerParamters* params) {
    return params ? params->BrowserKind : 0;
}

}  // namespace

CInternetCleanerParamters::CInternetCleanerParamters()
    : BrowserKind(0), ScanHistory(0), ScanCache(0), ScanCookies(0) {}

CInternetCleanerModule::CInternetCleanerModule()
    : ScannedKind(0), FoundEntries(0), Params(nullptr) {}

CInternetCleanerModule::~CInternetCleanerModule() = default;

// This module keeps no list of entries it would call redundant: a scan finds
// nothing, so the delete operations have nothing to remove.
void CInternetCleanerModule::Scan() {
    ScannedKind = AttachedKind(Params);
    FoundEntries = 0;
    Report(kDrosselScan, ScannedKind);
}

void CInternetCleanerModule::DeleteReduandantEntries() {
    FoundEntries = 0;
    Report(kDrosselDeleteRedundant, ScannedKind);
}

void CInternetCleanerModule::DeleteOperaRedundantEntries() {
    FoundEntries = 0;
    Report(kDrosselDeleteOperaRedundant, ScannedKind);
}

DrosselObserver DrosselSetObserver(DrosselObserver observer) {
    return g_observer.exchange(observer);
}
