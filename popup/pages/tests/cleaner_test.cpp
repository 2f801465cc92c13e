#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>

#include "popup/pages/cleaner_worker.h"
#include "popup/pages/drossel_cleaner.h"
#include "popup/pages/tests/fakes.h"
#include "popup/pages/tests/recording_cleaner.h"

namespace popup {

namespace {

using Calls = std::vector<std::string>;

TEST(CleanerWorkerProc, CallsTheModuleInOrderForEachBrowserKind) {
    BrowserState flags;
    flags.DialUpConfigured = true;
    flags.NetscapeConfigured = true;
    flags.Opera7Configured = true;
    RecordingCleaner cleaner;
    EXPECT_EQ(1, CleanerWorkerProc(cleaner, flags));
    EXPECT_EQ((Calls{"options", "attach", "kind 1", "scan", "delete", "kind 2", "scan", "delete",
                     "kind 3", "scan", "delete", "kind 5", "scan", "delete", "kind 4", "scan",
                     "delete opera"}),
              cleaner.Calls());
}

TEST(CleanerWorkerProc, OnlyConfiguredBrowsersAreCleaned) {
    RecordingCleaner none;
    CleanerWorkerProc(none, BrowserState());
    EXPECT_EQ((Calls{"options", "attach"}), none.Calls());

    BrowserState lan;
    lan.LanConfigured = true;
    lan.IEProxyConfigured = true;
    RecordingCleaner ie;
    CleanerWorkerProc(ie, lan);
    EXPECT_EQ((Calls{"options", "attach", "kind 1", "scan", "delete"}), ie.Calls());

    BrowserState opera6;
    opera6.Opera6Configured = true;
    RecordingCleaner opera;
    CleanerWorkerProc(opera, opera6);
    EXPECT_EQ((Calls{"options", "attach", "kind 4", "scan", "delete opera"}), opera.Calls());
}

// Holds every scan until the test lets it go.
struct GatedCleaner : RecordingCleaner {
    std::atomic<bool> open{false};
    std::atomic<int> inside{0};
    std::atomic<int> most{0};
    void Scan() override {
        const int now = ++inside;
        if (now > most) most = now;
        while (!open) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        Add("scan");
        --inside;
    }
};

TEST(CleanerWorker, OneWorkerAtATimeAndAStartDuringAPassRunsOneMore) {
    GatedCleaner cleaner;
    FakeBrowserState state;
    state.flags.LanConfigured = true;
    {
        CleanerWorker worker(cleaner, state);
        worker.Start();
        while (cleaner.inside == 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        worker.Start();
        worker.Start();
        cleaner.open = true;
        worker.Wait();
    }
    EXPECT_EQ(1, cleaner.most.load());
    const Calls one{"options", "attach", "kind 1", "scan", "delete"};
    Calls two = one;
    two.insert(two.end(), one.begin(), one.end());
    EXPECT_EQ(two, cleaner.Calls());
}

TEST(CleanerWorker, TheOwnerWaitsForARunningPass) {
    GatedCleaner cleaner;
    FakeBrowserState state;
    state.flags.Opera6Configured = true;
    std::thread opener;
    {
        CleanerWorker worker(cleaner, state);
        worker.Start();
        while (cleaner.inside == 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
        opener = std::thread([&] {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            cleaner.open = true;
        });
    }
    // The worker is gone only after its pass ended.
    EXPECT_EQ((Calls{"options", "attach", "kind 4", "scan", "delete opera"}), cleaner.Calls());
    opener.join();
}

// The record's bytes at the kind's place, whatever the accessors say.
int32_t RawKind(const CInternetCleanerParamters& params) {
    int32_t kind;
    std::memcpy(&kind, reinterpret_cast<const unsigned char*>(&params) + 28, sizeof(kind));
    return kind;
}

// What the module reported, and the kind in the record it read at that time.
struct Seen {
    DrosselCall call;
    int32_t rawKind;
};
std::vector<Seen> g_seen;

void Observe(const DrosselCall* call) {
    g_seen.push_back({*call, call->params ? RawKind(*call->params) : -1});
}

TEST(DrosselCleaner, TheModuleReadsWhatTheWorkerSetAtTheRecordsFixedPlaces) {
    CInternetCleanerParamters params;
    params.SetBrowserKind(0x05040302);
    params.SetOption(CInternetCleanerParamters::kScanCookies, 1);
    const unsigned char* raw = reinterpret_cast<const unsigned char*>(&params);
    EXPECT_EQ(140u, sizeof(params));
    EXPECT_EQ(0x05040302, RawKind(params));
    EXPECT_EQ((std::vector<int>{0, 0, 1}), (std::vector<int>{raw[129], raw[130], raw[131]}));
    EXPECT_EQ(4 + 1, 140 - std::count(raw, raw + 140, 0));

    // The table pointer, then three words; the third is the record.
    CInternetCleanerModule module;
    module.Params = &params;
    EXPECT_EQ(4 * sizeof(void*), sizeof(module));
    const void* third = nullptr;
    std::memcpy(&third, reinterpret_cast<const unsigned char*>(&module) + 3 * sizeof(void*),
                sizeof(third));
    EXPECT_EQ(&params, third);
    CInternetCleanerModule copy(module);
    EXPECT_EQ(&params, copy.Params);

    g_seen.clear();
    DrosselObserver previous = DrosselSetObserver(&Observe);
    BrowserState flags;
    flags.LanConfigured = true;
    flags.NetscapeConfigured = true;
    flags.Opera6Configured = true;
    {
        DrosselCleaner cleaner;
        CleanerWorkerProc(cleaner, flags);
    }
    DrosselSetObserver(previous);
    const std::vector<std::pair<int, int>> expected{
        {kDrosselScan, 1}, {kDrosselDeleteRedundant, 1},      {kDrosselScan, 2},
        {kDrosselDeleteRedundant, 2}, {kDrosselScan, 3},      {kDrosselDeleteRedundant, 3},
        {kDrosselScan, 5}, {kDrosselDeleteRedundant, 5},      {kDrosselScan, 4},
        {kDrosselDeleteOperaRedundant, 4},
    };
    std::vector<std::pair<int, int>> seen;
    for (const Seen& each : g_seen) {
        const DrosselCall& call = each.call;
        seen.push_back({call.operation, call.browserKind});
        EXPECT_NE(nullptr, call.params);
        EXPECT_EQ(call.browserKind, each.rawKind);
        EXPECT_EQ((std::vector<int>{1, 1, 1}),
                  (std::vector<int>{call.options[0], call.options[1], call.options[2]}));
        EXPECT_EQ(g_seen.front().call.params, call.params);
    }
    EXPECT_EQ(expected, seen);
}

TEST(DrosselCleaner, TheProgramExportsTheModulesCopyOperationsAndItsRecordTypesSpecialMembers) {
    HMODULE program = GetModuleHandleA(nullptr);
    for (const char* type : {"20RedundantEntriesInfo", "27RedundantEntriesFoundedInfo",
                             "23NetScape6_7ProfilesInfo", "16TrustedSitesInfo"}) {
        const std::string name = std::string("_ZN") + type;
        for (const char* member : {"C1Ev", "C1ERKS_", "aSERKS_", "D1Ev"}) {
            EXPECT_NE(nullptr, GetProcAddress(program, (name + member).c_str())) << name + member;
        }
    }
    for (const char* member : {"_ZN22CInternetCleanerModuleC1ERKS_",
                               "_ZN22CInternetCleanerModuleaSERKS_"}) {
        EXPECT_NE(nullptr, GetProcAddress(program, member)) << member;
    }
    RedundantEntriesFoundedInfo found;
    EXPECT_EQ((std::vector<int>{0, 1, 0}), (std::vector<int>{found.Type, found.Checked, found.Size}));
    EXPECT_EQ(1, RedundantEntriesInfo().Checked);
}

}  // namespace

}  // namespace popup
