// Task creation through the scheduler library against the platform's real
// Task Scheduler: the library is loaded from its file, not registered, so
// no other test's registration is disturbed.
#include <windows.h>
#include <mstask.h>

#include <gtest/gtest.h>

#include <algorithm>

#include "common/suite/scourwell.h"
#include "platform/com/com_ptr.h"
#include "platform/com/text.h"
#include "shredder/core/scheduler_dispatch.h"
#include "shredder/window/task_list_model.h"

namespace shredder {
namespace {

const CLSID kScheduleClass = {0x48829A95, 0x991E, 0x40AE, {0xB6, 0xF7, 0xD1, 0x7F, 0x1A, 0x3B, 0x84, 0x3B}};
const wchar_t kTaskName[] = L"ShredcoreTaskTest";

std::string BuildFile(const std::string& relative) {
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string path = exe;
    path = path.substr(0, path.find_last_of('\\'));
    path = path.substr(0, path.find_last_of('\\'));
    return path + "\\" + relative;
}

class AnswerName : public TaskNamePrompt {
public:
    explicit AnswerName(const char* name) : name_(name) {}
    bool AskTaskName(std::string& name) override {
        ++asked;
        if (!name_) return false;
        name = name_;
        return true;
    }
    int asked = 0;

private:
    const char* name_;
};

class TaskCreation : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
        library_ = LoadLibraryA(BuildFile("bin\\System\\Sundrave.dll").c_str());
        ASSERT_NE(nullptr, library_);
        using GetClassObject = HRESULT(WINAPI*)(REFCLSID, REFIID, void**);
        auto get = reinterpret_cast<GetClassObject>(
            reinterpret_cast<void*>(GetProcAddress(library_, "DllGetClassObject")));
        ASSERT_NE(nullptr, get);
        com::ComPtr<IClassFactory> factory;
        ASSERT_EQ(S_OK, get(kScheduleClass, IID_IClassFactory, factory.putVoid()));
        IDispatch* schedule = nullptr;
        ASSERT_EQ(S_OK, factory->CreateInstance(nullptr, IID_IDispatch, reinterpret_cast<void**>(&schedule)));
        schedule_.Driver().AttachDispatch(schedule, true);
        ASSERT_EQ(S_OK, CoCreateInstance(CLSID_CTaskScheduler, nullptr, CLSCTX_INPROC_SERVER,
                                         IID_ITaskScheduler, platform_.putVoid()));
        platform_->Delete(kTaskName);
    }
    void TearDown() override {
        if (platform_) platform_->Delete(kTaskName);
        job_.Driver().ReleaseDispatch();
        schedule_.Driver().ReleaseDispatch();
        platform_.reset();
        CoUninitialize();
    }
    com::ComPtr<ITask> PlatformTask() {
        com::ComPtr<ITask> task;
        platform_->Activate(kTaskName, IID_ITask, task.putUnknown());
        return task;
    }

    HMODULE library_ = nullptr;
    ScheduleDispatch schedule_;
    JobDispatch job_;
    com::ComPtr<ITaskScheduler> platform_;
};

TEST_F(TaskCreation, TaskCarriesCreatorProgramAndTheWrittenLine) {
    AnswerName prompt("ShredcoreTaskTest");
    const std::string appPath = "C:\\Program Files\\Scourwell";
    ASSERT_EQ("ShredcoreTaskTest", CreateScheduledTask(prompt, schedule_, job_, appPath));
    const std::vector<std::string> files = {"C:\\a b\\c.txt", "C:\\d.txt"};
    const std::string line = suite::scourwell::FileTaskLine("ShredcoreTaskTest", 2, files);
    EXPECT_EQ(S_OK, job_.SetCommandLine(line));
    EXPECT_EQ(S_OK, job_.Save());
    EXPECT_TRUE(TaskNameTaken(schedule_, job_, "ShredcoreTaskTest"));
    EXPECT_TRUE(TaskNameTaken(schedule_, job_, "shredcoretasktest"));

    com::ComPtr<ITask> task = PlatformTask();
    ASSERT_TRUE(task);
    LPWSTR text = nullptr;
    ASSERT_EQ(S_OK, task->GetCreator(&text));
    EXPECT_EQ(L"Velmora Scourwell", com::TakeTaskMemString(text));
    ASSERT_EQ(S_OK, task->GetApplicationName(&text));
    EXPECT_EQ(L"C:\\Program Files\\Scourwell\\Mirrowick.exe", com::TakeTaskMemString(text));
    ASSERT_EQ(S_OK, task->GetParameters(&text));
    const suite::scourwell::ShredCommand command =
        suite::scourwell::ParseCommandLine(com::Narrow(com::TakeTaskMemString(text)));
    EXPECT_TRUE(command.silent);
    EXPECT_EQ(2, command.algorithm);
    EXPECT_EQ(files, command.items);
}

TEST_F(TaskCreation, CancellingTheNameCreatesNothing) {
    AnswerName prompt(nullptr);
    EXPECT_EQ("", CreateScheduledTask(prompt, schedule_, job_, "C:\\x"));
    EXPECT_EQ(1, prompt.asked);
    EXPECT_FALSE(job_.IsAttached());
    EXPECT_FALSE(PlatformTask());
    // Nothing of ours appeared (other programs' tasks may come and go meanwhile).
    schedule_.Refresh();
    const long count = schedule_.GetCount();
    for (long i = 1; i <= count; ++i) {
        job_.Attach(schedule_.GetJob(static_cast<short>(i)));
        EXPECT_NE("Velmora Scourwell", job_.GetCreator());
    }
}

TEST_F(TaskCreation, RefusedCreationLeavesTheJobDetached) {
    AnswerName prompt("ShredcoreTaskTest");
    ASSERT_EQ("ShredcoreTaskTest", CreateScheduledTask(prompt, schedule_, job_, "C:\\x"));
    ASSERT_EQ(S_OK, job_.Save());
    // The library refuses a second task of that name: the job that was
    // attached must not take the new task's writes.
    EXPECT_EQ("", CreateScheduledTask(prompt, schedule_, job_, "C:\\y"));
    EXPECT_FALSE(job_.IsAttached());
    com::ComPtr<ITask> task = PlatformTask();
    ASSERT_TRUE(task);
    LPWSTR text = nullptr;
    ASSERT_EQ(S_OK, task->GetApplicationName(&text));
    EXPECT_EQ(L"C:\\x\\Mirrowick.exe", com::TakeTaskMemString(text));
}

class SilentPrompt : public ui::MessagePrompt {
public:
    int Show(const std::string&, const std::string&, unsigned) override { return IDOK; }
};

TEST_F(TaskCreation, SchedulerListShowsAndDeletesOurTask) {
    AnswerName prompt("ShredcoreTaskTest");
    ASSERT_EQ("ShredcoreTaskTest", CreateScheduledTask(prompt, schedule_, job_, "C:\\x"));
    ASSERT_EQ(S_OK, job_.Save());
    SilentPrompt silent;
    ShredLog log;
    Messenger messenger(silent, log);
    ShredderTexts texts;
    DispatchTasks tasks(schedule_, job_);
    TaskListModel model(tasks, messenger, texts);
    const std::vector<std::string> rows = model.Fill();
    const auto row = std::find(rows.begin(), rows.end(), "ShredcoreTaskTest");
    ASSERT_NE(rows.end(), row);
    ASSERT_TRUE(model.DeleteTask(static_cast<int>(row - rows.begin())));
    EXPECT_FALSE(PlatformTask());
    const std::vector<std::string> after = model.Fill();
    EXPECT_EQ(after.end(), std::find(after.begin(), after.end(), "ShredcoreTaskTest"));
}

}  // namespace
}  // namespace shredder
