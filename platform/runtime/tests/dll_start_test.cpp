// The DLL entry hands every thread's end to the runtime's per-thread
// bookkeeping: a DLL inside a long-running host (the browser, Explorer)
// frees what each of the host's threads left in the runtime.
#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "platform/sync/sync.h"

namespace {

void RunThreads(void (*use)(), int count) {
    std::vector<sync::Thread> threads(static_cast<size_t>(count));
    for (sync::Thread& thread : threads) ASSERT_TRUE(thread.Start(use));
    for (sync::Thread& thread : threads) ASSERT_TRUE(thread.Join(10000));
}

TEST(DllStart, EveryEndedThreadsRuntimeDataIsFreedWhileThreadCallsStayOn) {
    HMODULE probe = LoadLibraryA("runtime_thread_probe.dll");
    ASSERT_NE(nullptr, probe);
    auto use = reinterpret_cast<void (*)()>(
        reinterpret_cast<void*>(GetProcAddress(probe, "ProbeUseThreadData")));
    auto freed = reinterpret_cast<LONG (*)()>(
        reinterpret_cast<void*>(GetProcAddress(probe, "ProbeFreedCount")));
    ASSERT_TRUE(use && freed);
    RunThreads(use, 64);
    EXPECT_EQ(64, freed());
    // As the DLLs had it: with thread calls off no thread's data is freed.
    ASSERT_TRUE(DisableThreadLibraryCalls(probe));
    RunThreads(use, 16);
    EXPECT_EQ(64, freed());
    FreeLibrary(probe);
}

}  // namespace
