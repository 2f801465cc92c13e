// The Schedule collection: creating, listing, deleting and indexing tasks.
#include "scheduler/tests/scheduler_fixture.h"

#include <fstream>
#include <set>

namespace sundrave_test {
namespace {

const HRESULT kFileExists = HRESULT_FROM_WIN32(ERROR_FILE_EXISTS);

bool EndsWith(const std::wstring& text, const std::wstring& tail) {
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

using Schedule = SchedulerTest;

TEST_F(Schedule, CreateTaskAppendsTheNewJobWithoutAName) {
    Method(schedule_.get(), schedule::Refresh);
    long before = Count();
    com::ComPtr<IDispatch> job = NewTask(L"Create");
    ASSERT_TRUE(job);
    EXPECT_EQ(before + 1, Count());
    Outcome last = Get(schedule_.get(), schedule::Job, {Short(static_cast<short>(before + 1))});
    ASSERT_TRUE(last.ok());
    EXPECT_EQ(job.get(), last.object().get());
    EXPECT_EQ(L"", Get(job.get(), job::Name).text());
    EXPECT_EQ(L"Sundrave", Get(job.get(), job::Creator).text());
    EXPECT_TRUE(EndsWith(Get(job.get(), job::FileName).text(), L"\\VelmoraTestCreate.job"));
    EXPECT_TRUE(PlatformTask(L"Create"));
}

TEST_F(Schedule, CreateTaskRefusesAnExistingName) {
    com::ComPtr<IDispatch> first = NewTask(L"Twice");
    ASSERT_TRUE(first);
    ASSERT_TRUE(Put(first.get(), job::Comment, Text(L"keep me")).ok());
    ASSERT_TRUE(Method(first.get(), job::Save).ok());
    long count = Count();

    Outcome second = Method(schedule_.get(), schedule::CreateTask, {Text(L"VelmoraTestTwice")});
    EXPECT_EQ(DISP_E_EXCEPTION, second.hr);
    EXPECT_EQ(kFileExists, second.code);
    EXPECT_NE(std::string::npos, second.description.find("already exists"));
    EXPECT_EQ(count, Count());

    com::ComPtr<ITask> stored = PlatformTask(L"Twice");
    ASSERT_TRUE(stored);
    LPWSTR comment = nullptr;
    ASSERT_EQ(S_OK, stored->GetComment(&comment));
    EXPECT_STREQ(L"keep me", comment);
    CoTaskMemFree(comment);
}

TEST_F(Schedule, RefreshListsEveryTaskFileByName) {
    NewTask(L"One");
    NewTask(L"Two");
    // Only task files count: anything else in the task folder is no task.
    std::ofstream("C:\\windows\\Tasks\\VelmoraTestStray.txt") << "not a task";
    ASSERT_TRUE(Method(schedule_.get(), schedule::Refresh).ok());
    DeleteFileA("C:\\windows\\Tasks\\VelmoraTestStray.txt");

    long count = Count();
    std::set<std::wstring> names;
    for (short i = 1; i <= count; ++i) {
        com::ComPtr<IDispatch> job = Get(schedule_.get(), schedule::Job, {Short(i)}).object();
        ASSERT_TRUE(job);
        std::wstring name = Get(job.get(), job::Name).text();
        EXPECT_TRUE(EndsWith(Get(job.get(), job::FileName).text(), name + L".job"));
        if (name.compare(0, 11, kTestPrefix) == 0) names.insert(name);
    }
    EXPECT_EQ((std::set<std::wstring>{L"VelmoraTestOne", L"VelmoraTestTwo"}), names);
    EXPECT_EQ(DISP_E_EXCEPTION, Get(schedule_.get(), schedule::Job, {Short(static_cast<short>(count + 1))}).hr);
}

TEST_F(Schedule, DeleteRemovesTheTaskAndShiftsTheRest) {
    NewTask(L"First");
    NewTask(L"Second");
    Method(schedule_.get(), schedule::Refresh);
    long count = Count();
    short first = Position(L"First");
    short second = Position(L"Second");
    ASSERT_NE(0, first);
    ASSERT_NE(0, second);
    short doomed = first < second ? first : second;
    std::wstring survivor = first < second ? L"VelmoraTestSecond" : L"VelmoraTestFirst";

    ASSERT_TRUE(Method(schedule_.get(), schedule::Delete, {Short(doomed)}).ok());
    EXPECT_EQ(count - 1, Count());
    short later = static_cast<short>((first < second ? second : first) - 1);
    com::ComPtr<IDispatch> moved = Get(schedule_.get(), schedule::Job, {Short(later)}).object();
    ASSERT_TRUE(moved);
    EXPECT_EQ(survivor, Get(moved.get(), job::Name).text());
    EXPECT_FALSE(PlatformTask(first < second ? L"First" : L"Second"));
    EXPECT_TRUE(PlatformTask(first < second ? L"Second" : L"First"));
}

TEST_F(Schedule, DeleteOfACreatedJobDeletesItsOwnFile) {
    NewTask(L"Fresh");
    ASSERT_TRUE(PlatformTask(L"Fresh"));
    ASSERT_TRUE(Method(schedule_.get(), schedule::Delete, {Short(static_cast<short>(Count()))}).ok());
    EXPECT_FALSE(PlatformTask(L"Fresh"));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA("C:\\windows\\Tasks\\VelmoraTestFresh.job"));
}

TEST_F(Schedule, PositionsOutsideTheListRaiseInvalidIndex) {
    NewTask(L"Index");
    const short outside[] = {0, -1, static_cast<short>(Count() + 1)};
    for (short index : outside) {
        Outcome job = Get(schedule_.get(), schedule::Job, {Short(index)});
        EXPECT_EQ(DISP_E_EXCEPTION, job.hr) << index;
        EXPECT_EQ(DISP_E_BADINDEX, job.code) << index;
        Outcome removed = Method(schedule_.get(), schedule::Delete, {Short(index)});
        EXPECT_EQ(DISP_E_BADINDEX, removed.error()) << index;
    }
    EXPECT_TRUE(PlatformTask(L"Index"));
}

TEST_F(Schedule, PlatformFailuresComeBackAsExceptionsWithTheirCode) {
    // The platform refuses a task name holding a dot.
    Outcome created = Method(schedule_.get(), schedule::CreateTask, {Text(L"VelmoraTest.Dotted")});
    EXPECT_EQ(DISP_E_EXCEPTION, created.hr);
    EXPECT_EQ(E_INVALIDARG, created.code);
    EXPECT_FALSE(created.description.empty());
}

TEST_F(Schedule, NewEnumWalksTheListedJobs) {
    NewTask(L"Walk1");
    NewTask(L"Walk2");
    Method(schedule_.get(), schedule::Refresh);
    Outcome result = Method(schedule_.get(), schedule::NewEnum);
    ASSERT_EQ(VT_UNKNOWN, V_VT(&result.value.get()));
    com::ComPtr<IEnumVARIANT> items;
    ASSERT_EQ(S_OK, items.queryFrom(V_UNKNOWN(&result.value.get()), IID_IEnumVARIANT));
    long seen = 0;
    VARIANT item;
    ULONG fetched = 0;
    while (items->Next(1, &item, &fetched) == S_OK) {
        EXPECT_EQ(VT_DISPATCH, V_VT(&item));
        VariantClear(&item);
        ++seen;
    }
    EXPECT_EQ(Count(), seen);
}

TEST_F(Schedule, TargetComputerIsThePlatformsAnswer) {
    LPWSTR expected = nullptr;
    ASSERT_EQ(S_OK, platform_->GetTargetComputer(&expected));
    EXPECT_EQ(std::wstring(expected), Get(schedule_.get(), schedule::TargetComputer).text());
    CoTaskMemFree(expected);
    // An empty name is the local computer.
    HRESULT local = platform_->SetTargetComputer(nullptr);
    EXPECT_EQ(local, Put(schedule_.get(), schedule::TargetComputer, Text(L"")).error());
}

}  // namespace sundrave_test
