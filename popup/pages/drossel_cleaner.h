#pragma once
// The cleaner worker's module: "Drossel.dll" with the parameter record the
// Popups page owns for as long as it lives, and what this program exports for
// the module: the module object's copy constructor and assignment, and the
// special members of the record types below.
#include <string>

#include "platform/drossel/drossel.h"
#include "popup/pages/cleaner_module.h"

// The module binds to these by their global names, so they stay outside the
// program's namespace. Each has its default constructor, copy constructor,
// member-wise assignment and destructor exported from the program.
#define HALVANE_CLEANER_EXPORT __declspec(dllexport)

// An entry kind a scan looks for.
class HALVANE_CLEANER_EXPORT RedundantEntriesInfo {
public:
    RedundantEntriesInfo();
    RedundantEntriesInfo(const RedundantEntriesInfo& other);
    RedundantEntriesInfo& operator=(const RedundantEntriesInfo& other);
    ~RedundantEntriesInfo();

    std::string Name;
    std::string Location;
    int Type;
    int Checked;  // 1 after default construction
    std::string Description;
};

// An entry a scan found.
class HALVANE_CLEANER_EXPORT RedundantEntriesFoundedInfo {
public:
    RedundantEntriesFoundedInfo();
    RedundantEntriesFoundedInfo(const RedundantEntriesFoundedInfo& other);
    RedundantEntriesFoundedInfo& operator=(const RedundantEntriesFoundedInfo& other);
    ~RedundantEntriesFoundedInfo();

    std::string Name;
    std::string Location;
    int Type;     // 0 after default construction
    std::string Value;
    int Checked;  // 1 after default construction
    int Size;     // 0 after default construction
    std::string Description;
    int Index;    // the module's own; 0 until it sets it
};

// A Netscape 6/7 profile.
class HALVANE_CLEANER_EXPORT NetScape6_7ProfilesInfo {
public:
    NetScape6_7ProfilesInfo();
    NetScape6_7ProfilesInfo(const NetScape6_7ProfilesInfo& other);
    NetScape6_7ProfilesInfo& operator=(const NetScape6_7ProfilesInfo& other);
    ~NetScape6_7ProfilesInfo();

    std::string Name;
    std::string Folder;
    int Version;  // 0 after default construction
};

// A site whose entries are kept.
class HALVANE_CLEANER_EXPORT TrustedSitesInfo {
public:
    TrustedSitesInfo();
    TrustedSitesInfo(const TrustedSitesInfo& other);
    TrustedSitesInfo& operator=(const TrustedSitesInfo& other);
    ~TrustedSitesInfo();

    std::string Site;
};

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
