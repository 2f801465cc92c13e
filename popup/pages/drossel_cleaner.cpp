#include "popup/pages/drossel_cleaner.h"

CInternetCleanerModule::CInternetCleanerModule(const CInternetCleanerModule& other)
    : ScannedKind(other.ScannedKind), FoundEntries(other.FoundEntries), Params(other.Params) {}

CInternetCleanerModule& CInternetCleanerModule::operator=(const CInternetCleanerModule& other) {
    ScannedKind = other.ScannedKind;
    FoundEntries = other.FoundEntries;
    Params = other.Params;
    return *this;
}

RedundantEntriesInfo::RedundantEntriesInfo() : Type(0), Checked(1) {}
RedundantEntriesInfo::RedundantEntriesInfo(const RedundantEntriesInfo&) = default;
RedundantEntriesInfo& RedundantEntriesInfo::operator=(const RedundantEntriesInfo&) = default;
RedundantEntriesInfo::~RedundantEntriesInfo() = default;

RedundantEntriesFoundedInfo::RedundantEntriesFoundedInfo()
    : Type(0), Checked(1), Size(0), Index(0) {}
RedundantEntriesFoundedInfo::RedundantEntriesFoundedInfo(const RedundantEntriesFoundedInfo&) =
    default;
RedundantEntriesFoundedInfo& RedundantEntriesFoundedInfo::operator=(
    const RedundantEntriesFoundedInfo&) = default;
RedundantEntriesFoundedInfo::~RedundantEntriesFoundedInfo() = default;

NetScape6_7ProfilesInfo::NetScape6_7ProfilesInfo() : Version(0) {}
NetScape6_7ProfilesInfo::NetScape6_7ProfilesInfo(const NetScape6_7ProfilesInfo&) = default;
NetScape6_7ProfilesInfo& NetScape6_7ProfilesInfo::operator=(const NetScape6_7ProfilesInfo&) =
    default;
NetScape6_7ProfilesInfo::~NetScape6_7ProfilesInfo() = default;

TrustedSitesInfo::TrustedSitesInfo() = default;
TrustedSitesInfo::TrustedSitesInfo(const TrustedSitesInfo&) = default;
TrustedSitesInfo& TrustedSitesInfo::operator=(const TrustedSitesInfo&) = default;
TrustedSitesInfo::~TrustedSitesInfo() = default;

namespace popup {

void DrosselCleaner::EnableOptions() {
    for (auto option : {CInternetCleanerParamters::kScanHistory, CInternetCleanerParamters::kScanCache,
                        CInternetCleanerParamters::kScanCookies}) {
        CleanerParams.SetOption(option, 1);
    }
}

// The module reads the record through its third word.
void DrosselCleaner::AttachParams() {
    Cleaner.Params = &CleanerParams;
}

void DrosselCleaner::SetBrowserKind(int kind) {
    CleanerParams.SetBrowserKind(kind);
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
