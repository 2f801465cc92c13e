#include "scheduler/tests/scheduler_fixture.h"

#include "platform/com/text.h"
#include "platform/testkit/scratch.h"

namespace sundrave_test {

const wchar_t kTestPrefix[] = L"VelmoraTest";

namespace {

const wchar_t kHarmlessProgram[] = L"C:\\windows\\system32\\cmd.exe";

// Registers the server for the whole run and removes it at the end.
class RegisteredServer : public ::testing::Environment {
public:
    void SetUp() override { ASSERT_EQ(0u, RunRegsvr32(false)) << ServerPath(); }
    void TearDown() override { EXPECT_EQ(0u, RunRegsvr32(true)); }
};

const ::testing::Environment* const kServer =
    ::testing::AddGlobalTestEnvironment(new RegisteredServer);

}  // namespace

std::string ServerPath() {
    char exe[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, exe, MAX_PATH);
    std::string path = exe;
    path = path.substr(0, path.find_last_of('\\'));  // ...\tests
    path = path.substr(0, path.find_last_of('\\'));  // the build tree
    return path + "\\bin\\System\\Sundrave.dll";
}

DWORD RunRegsvr32(bool unregister) { return testkit::Regsvr32(ServerPath(), unregister); }

bool UnderWine() {
    return GetProcAddress(GetModuleHandleA("ntdll.dll"), "wine_get_version") != nullptr;
}

void SchedulerTest::SetUp() {
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    ASSERT_EQ(S_OK, CoCreateInstance(CLSID_CTaskScheduler, nullptr, CLSCTX_INPROC_SERVER,
                                     IID_ITaskScheduler, platform_.putVoid()));
    RemoveTestTasks();
    CLSID clsid;
    ASSERT_EQ(S_OK, CLSIDFromProgID(L"TaskScheduler.Schedule", &clsid));
    ASSERT_EQ(S_OK, CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                     schedule_.putVoid()));
}

void SchedulerTest::TearDown() {
    schedule_.reset();
    if (platform_) RemoveTestTasks();
    platform_.reset();
    CoUninitialize();
}

void SchedulerTest::RemoveTestTasks() {
    com::ComPtr<IEnumWorkItems> items;
    ASSERT_EQ(S_OK, platform_->Enum(items.put()));
    LPWSTR* names = nullptr;
    ULONG fetched = 0;
    while (items->Next(1, &names, &fetched) == S_OK && fetched == 1) {
        std::wstring name = com::TakeTaskMemString(names[0]);
        CoTaskMemFree(names);
        if (name.compare(0, lstrlenW(kTestPrefix), kTestPrefix) != 0) continue;
        size_t dot = name.rfind(L'.');
        platform_->Delete(name.substr(0, dot).c_str());
    }
}

com::ComPtr<IDispatch> SchedulerTest::NewTask(const std::wstring& suffix) {
    Outcome created = Method(schedule_.get(), schedule::CreateTask, {Text(kTestPrefix + suffix)});
    EXPECT_EQ(S_OK, created.hr) << created.description;
    com::ComPtr<IDispatch> job = created.object();
    if (!job) return job;
    EXPECT_EQ(S_OK, Put(job.get(), job::ApplicationName, Text(kHarmlessProgram)).hr);
    EXPECT_EQ(S_OK, Put(job.get(), job::CommandLine, Text(L"/c exit 3")).hr);
    EXPECT_EQ(S_OK, Put(job.get(), job::Flags, Long(TASK_FLAG_DISABLED)).hr);
    EXPECT_EQ(S_OK, Method(job.get(), job::Save, {Text(L"")}).hr);
    return job;
}

com::ComPtr<ITask> SchedulerTest::PlatformTask(const std::wstring& suffix) {
    com::ComPtr<ITask> task;
    platform_->Activate((kTestPrefix + suffix).c_str(), IID_ITask, task.putUnknown());
    return task;
}

short SchedulerTest::Position(const std::wstring& suffix) {
    long count = Count();
    for (short i = 1; i <= count; ++i) {
        Outcome job = Get(schedule_.get(), schedule::Job, {Short(i)});
        if (job.ok() && Get(job.object().get(), job::Name).text() == kTestPrefix + suffix)
            return i;
    }
    return 0;
}

long SchedulerTest::Count() { return Get(schedule_.get(), schedule::Count).number(); }

}  // namespace sundrave_test
