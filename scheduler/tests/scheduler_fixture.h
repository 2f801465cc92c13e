#pragma once
// Sundrave registered in the scratch prefix (with regsvr32, once for the
// run) and a Schedule created by ProgID for each test. Test tasks are named
// "VelmoraTest...", point at cmd.exe, stay disabled and are deleted before
// and after every test.
#include <windows.h>
#include <mstask.h>

#include <gtest/gtest.h>

#include <string>

#include "platform/com/com_ptr.h"
#include "scheduler/tests/dispatch_client.h"
#include "scheduler/tests/dispids.h"

namespace sundrave_test {

extern const wchar_t kTestPrefix[];

// Full path of the Sundrave.dll under test.
std::string ServerPath();
// Runs "regsvr32 /s [/u] <path>" and returns its exit code.
DWORD RunRegsvr32(bool unregister);
bool UnderWine();

class SchedulerTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // CreateTask(kTestPrefix + suffix), made harmless and saved.
    com::ComPtr<IDispatch> NewTask(const std::wstring& suffix);
    // The task as the platform has it on disk, opened afresh.
    com::ComPtr<ITask> PlatformTask(const std::wstring& suffix);
    // Position (1-based) of the listed job named kTestPrefix + suffix, or 0.
    short Position(const std::wstring& suffix);
    long Count();

    com::ComPtr<IDispatch> schedule_;
    com::ComPtr<ITaskScheduler> platform_;

private:
    void RemoveTestTasks();
};

}  // namespace sundrave_test
