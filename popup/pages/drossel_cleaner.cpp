#include "popup/pages/drossel_cleaner.h"

namespace popup {

void DrosselCleaner::EnableOptions() {
    CleanerParams.ScanHistory = 1;
    CleanerParams.ScanCache = 1;
    CleanerParams.ScanCookies = 1;
}

void DrosselCleaner::AttachParams() {
    Cleaner.Params = &CleanerParams;
}

void DrosselCleaner::SetBrowserKind(int kind) {
    CleanerParams.BrowserKind = kind;
}

void DrosselCleaner::Scan() {
    Cleaner.Scan();
}

void DrosselCleaner::DeleteRedundantEntries() {
    Cleaner.DeleteReduandantEntries();
}

void DrosselCleaner::DeleteOperaRedundantEntries() {
    Cleaner.DeleteOperaRedundantEntries();
}

}  // namespace popup
