// The DLL entry hands every thread's end to the runtime's per-thread
// bookkeeping, so a DLL that lives in a long-running host (the browser,
// Explorer) frees what each of the host's threads left in the runtime.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <vector>

#include "platform/sync/sync.h"

namespace {

using UseCall = void (*)();
using CountCall = LONG (*)();

// `count` threads that each use the probe's per-thread data and end.
void RunThreads(UseCall use, int count) {
    std::vector<std::unique_ptr<sync::Thread>> threads;
    for (int i = 0; i < count; ++i) {
        threads.push_back(std::make_unique<sync::Thread>());
        ASSERT_TRUE(threads.back()->Start([use] { use(); }));
    }
    for (auto& thread : threads) ASSERT_TRUE(thread->Join(10000));
}

TEST(DllStart, EveryEndedThreadsRuntimeDataIsFreedWhileThreadCallsStayOn) {
    HMODULE probe = LoadLibraryA("runtime_thread_probe.dll");
    ASSERT_NE(nullptr, probe);
    auto use = reinterpret_cast<UseCall>(
        reinterpret_cast<void*>(GetProcAddress(probe, "ProbeUseThreadData")));
    auto freed = reinterpret_cast<CountCall>(
        reinterpret_cast<void*>(GetProcAddress(probe, "ProbeFreedCount")));
    ASSERT_TRUE(use && freed);

    RunThreads(use, 64);
    EXPECT_EQ(64, freed());

    // What the DLLs did before: with thread calls off the entry never sees
    // a thread end, and every such thread's data stays behind.
    ASSERT_TRUE(DisableThreadLibraryCalls(probe));
    RunThreads(use, 16);
    EXPECT_EQ(64, freed());
    FreeLibrary(probe);
}

}  // namespace
