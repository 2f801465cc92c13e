// Job properties and methods against the platform's stored task.
#include "scheduler/tests/scheduler_fixture.h"

namespace sundrave_test {
namespace {

// Under Wine some work-item calls are not implemented; the library must pass
// their result on unchanged.
void ExpectPassedOn(const Outcome& outcome, const char* what) {
    if (UnderWine()) {
        EXPECT_EQ(DISP_E_EXCEPTION, outcome.hr) << what;
        EXPECT_EQ(E_NOTIMPL, outcome.code) << what;
    } else {
        EXPECT_EQ(S_OK, outcome.hr) << what;
    }
}

}  // namespace

using Job = SchedulerTest;

TEST_F(Job, TextPropertiesReachTheStoredTask) {
    com::ComPtr<IDispatch> job = NewTask(L"Texts");
    ASSERT_TRUE(job);
    const struct {
        DISPID id;
        const wchar_t* value;
    } texts[] = {{job::ApplicationName, L"C:\\windows\\system32\\cmd.exe"},
                 {job::CommandLine, L"/c exit 7"},
                 {job::Comment, L"a comment"},
                 {job::Creator, L"Velmora Scourwell"},
                 {job::WorkingDirectory, L"C:\\windows"}};
    for (const auto& text : texts) ASSERT_TRUE(Put(job.get(), text.id, Text(text.value)).ok());
    ASSERT_TRUE(Put(job.get(), job::MaxRunTime, Long(90000)).ok());
    ASSERT_TRUE(Put(job.get(), job::Flags, Long(TASK_FLAG_DISABLED | TASK_FLAG_HIDDEN)).ok());
    ASSERT_TRUE(Method(job.get(), job::Save, {Text(L"")}).ok());

    Method(schedule_.get(), schedule::Refresh);
    com::ComPtr<IDispatch> listed = Get(schedule_.get(), schedule::Job, {Short(Position(L"Texts"))}).object();
    ASSERT_TRUE(listed);
    for (const auto& text : texts) EXPECT_EQ(text.value, Get(listed.get(), text.id).text());
    EXPECT_EQ(90000, Get(listed.get(), job::MaxRunTime).number());
    EXPECT_EQ(TASK_FLAG_DISABLED | TASK_FLAG_HIDDEN, Get(listed.get(), job::Flags).number());
    EXPECT_EQ(L"VelmoraTestTexts", Get(listed.get(), job::Name).text());
}

TEST_F(Job, RunTimesOfANeverRunUntriggeredTaskAreDateZero) {
    com::ComPtr<IDispatch> job = NewTask(L"Never");
    ASSERT_TRUE(job);
    Outcome last = Get(job.get(), job::LastRunTime);
    ASSERT_TRUE(last.ok());
    EXPECT_EQ(0.0, last.date());
    Outcome next = Get(job.get(), job::NextRunTime);
    ASSERT_TRUE(next.ok());
    EXPECT_EQ(0.0, next.date());
    EXPECT_TRUE(Get(job.get(), job::Status).ok());
    EXPECT_TRUE(Get(job.get(), job::ExitCode).ok());
}

TEST_F(Job, SaveWithAPathWritesACopyAndKeepsTheJobsFile) {
    com::ComPtr<IDispatch> job = NewTask(L"Copy");
    ASSERT_TRUE(job);
    std::wstring own = Get(job.get(), job::FileName).text();
    const wchar_t copy[] = L"C:\\windows\\temp\\VelmoraTestCopy.job";
    DeleteFileW(copy);
    ASSERT_TRUE(Method(job.get(), job::Save, {Text(copy)}).ok());
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(copy));
    EXPECT_EQ(own, Get(job.get(), job::FileName).text());
    DeleteFileW(copy);
}

// A test task is disabled: whether the platform refuses to run it (Wine) or
// runs its harmless command, the library answers as the platform does.
TEST_F(Job, RunAndTerminateAnswerAsThePlatformDoes) {
    com::ComPtr<IDispatch> job = NewTask(L"Run");
    ASSERT_TRUE(job);
    com::ComPtr<ITask> task = PlatformTask(L"Run");
    ASSERT_TRUE(task);
    HRESULT run = task->Run();
    EXPECT_EQ(run, Method(job.get(), job::Run).error());
    HRESULT terminate = task->Terminate();
    EXPECT_EQ(terminate, Method(job.get(), job::Terminate).error());
}

TEST_F(Job, UnsupportedPlatformCallsArePassedOn) {
    com::ComPtr<IDispatch> job = NewTask(L"Gaps");
    ASSERT_TRUE(job);
    ExpectPassedOn(Put(job.get(), job::ErrorRetryCount, Short(2)), "ErrorRetryCount let");
    ExpectPassedOn(Get(job.get(), job::ErrorRetryCount), "ErrorRetryCount get");
    ExpectPassedOn(Put(job.get(), job::ErrorRetryInterval, Short(5)), "ErrorRetryInterval let");
    ExpectPassedOn(Get(job.get(), job::ErrorRetryInterval), "ErrorRetryInterval get");
    ExpectPassedOn(Put(job.get(), job::IdleWait, Short(10)), "IdleWait let");
    ExpectPassedOn(Put(job.get(), job::Priority, Long(NORMAL_PRIORITY_CLASS)), "Priority let");
    if (UnderWine()) {
        // Windows would show the property sheet and wait for the user.
        ExpectPassedOn(Method(job.get(), job::ShowProperties), "ShowProperties");
        ExpectPassedOn(Method(job.get(), job::Edit, {com::Variant(static_cast<IDispatch*>(nullptr))}), "Edit");
    }
}

TEST_F(Job, SupportedNumbersReadBack) {
    com::ComPtr<IDispatch> job = NewTask(L"Numbers");
    ASSERT_TRUE(job);
    EXPECT_TRUE(Get(job.get(), job::IdleWait).ok());
    EXPECT_TRUE(Get(job.get(), job::Priority).ok());
}

}  // namespace sundrave_test
