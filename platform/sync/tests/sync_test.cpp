#include "platform/sync/sync.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>

#include "platform/guard/guard.h"

namespace {

// Counts the destructions of what a routine captured.
struct Tracked {
    explicit Tracked(std::atomic<int>& gone) : gone_(gone) {}
    ~Tracked() { ++gone_; }
    std::atomic<int>& gone_;
};

TEST(SyncThread, RunsJoinsAndRefusesASecondStartWhileHeld) {
    sync::Event release;
    std::atomic<int> priority{-99};
    sync::Thread thread;
    ASSERT_TRUE(thread.Start([&] {
        priority = GetThreadPriority(GetCurrentThread());
        release.Wait();
    }, 0, THREAD_PRIORITY_ABOVE_NORMAL));
    EXPECT_FALSE(thread.Start([] {}));
    EXPECT_FALSE(thread.Join(20));
    EXPECT_TRUE(thread.IsRunning());
    release.Set();
    EXPECT_TRUE(thread.Join(5000));
    EXPECT_EQ(THREAD_PRIORITY_ABOVE_NORMAL, priority.load());
    EXPECT_FALSE(thread.Start(nullptr));
    EXPECT_TRUE(thread.Start([] {}));
}

TEST(SyncThread, ADetachedThreadKeepsWhatItCapturedUntilItEnds) {
    std::atomic<int> gone{0};
    auto release = std::make_shared<sync::Event>();
    auto finished = std::make_shared<sync::Event>();
    {
        sync::Thread thread;
        auto tracked = std::make_shared<Tracked>(gone);
        ASSERT_TRUE(thread.Start([tracked, release, finished] {
            release->Wait();
            finished->Set();
        }));
        EXPECT_FALSE(thread.Join(10));
        thread.Detach();
    }
    EXPECT_EQ(0, gone.load());  // the object is gone, the routine's state is not
    release->Set();
    ASSERT_TRUE(finished->Wait(5000));
    for (int i = 0; i < 500 && gone.load() == 0; ++i) Sleep(10);
    EXPECT_EQ(1, gone.load());
}

TEST(SyncThread, AnExceptionInARoutineIsReportedAndTheThreadEnds) {
    static std::atomic<int> reports{0};
    guard::SetReporter([](const char*, const char*) { ++reports; });
    sync::Thread thread;
    ASSERT_TRUE(thread.Start([] { throw std::runtime_error("lost"); }));
    EXPECT_TRUE(thread.Join(5000));
    sync::Event done;
    ASSERT_TRUE(sync::StartDetached([&] {
        done.Set();
        throw 1;
    }));
    EXPECT_TRUE(done.Wait(5000));
    for (int i = 0; i < 500 && reports.load() < 2; ++i) Sleep(10);
    EXPECT_EQ(2, reports.load());
    guard::SetReporter(nullptr);
}

TEST(SyncLock, KeepsConcurrentUpdatesWhole) {
    sync::CriticalSection section;
    long long total = 0;
    sync::Thread threads[4];
    for (sync::Thread& thread : threads) {
        ASSERT_TRUE(thread.Start([&] {
            for (int i = 0; i < 20000; ++i) {
                sync::Lock lock(section);
                total = total + 1;
            }
        }));
    }
    for (sync::Thread& thread : threads) ASSERT_TRUE(thread.Join(10000));
    EXPECT_EQ(80000, total);
}

}  // namespace
