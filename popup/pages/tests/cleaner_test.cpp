#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
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

std::vector<std::pair<int, int>> g_seen;

void Observe(int operation, int kind) {
    g_seen.push_back({operation, kind});
}

TEST(DrosselCleaner, TheModuleGetsTheKindSetInTheAttachedRecord) {
    g_seen.clear();
    DrosselObserver previous = DrosselSetObserver(&Observe);
    BrowserState flags;
    flags.NetscapeConfigured = true;
    flags.Opera6Configured = true;
    {
        DrosselCleaner cleaner;
        CleanerWorkerProc(cleaner, flags);
    }
    DrosselSetObserver(previous);
    const std::vector<std::pair<int, int>> expected{
        {kDrosselScan, 2}, {kDrosselDeleteRedundant, 2},      {kDrosselScan, 3},
        {kDrosselDeleteRedundant, 3}, {kDrosselScan, 5},      {kDrosselDeleteRedundant, 5},
        {kDrosselScan, 4}, {kDrosselDeleteOperaRedundant, 4},
    };
    EXPECT_EQ(expected, g_seen);
}

TEST(DrosselCleaner, AModuleWithoutRecordScansNothing) {
    g_seen.clear();
    DrosselObserver previous = DrosselSetObserver(&Observe);
    CInternetCleanerModule module;
    module.Scan();
    module.DeleteReduandantEntries();
    DrosselSetObserver(previous);
    EXPECT_EQ(0, module.ScannedKind);
    EXPECT_EQ(0, module.FoundEntries);
    EXPECT_EQ(2u, g_seen.size());
}

}  // namespace

}  // namespace popup
