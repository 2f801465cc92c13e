// The trigger cache against a recording stand-in for the platform trigger.
#include <windows.h>
#include <mstask.h>

#include <gtest/gtest.h>

#include "scheduler/trigger.h"

namespace sundrave_test {
namespace {

class RecordingTrigger : public ITaskTrigger {
public:
    explicit RecordingTrigger(const TASK_TRIGGER& record) : record_(record) {}

    STDMETHODIMP QueryInterface(REFIID, void** out) override {
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP SetTrigger(const PTASK_TRIGGER trigger) override {
        record_ = *trigger;
        ++writes_;
        return S_OK;
    }
    STDMETHODIMP GetTrigger(PTASK_TRIGGER trigger) override {
        *trigger = record_;
        return S_OK;
    }
    STDMETHODIMP GetTriggerString(LPWSTR*) override { return E_NOTIMPL; }

    TASK_TRIGGER record_;
    int writes_ = 0;
};

TASK_TRIGGER MonthlyDate(DWORD days) {
    TASK_TRIGGER record = {};
    record.cbTriggerSize = sizeof record;
    record.wBeginYear = 2099;
    record.wBeginMonth = 1;
    record.wBeginDay = 1;
    record.TriggerType = TASK_TIME_TRIGGER_MONTHLYDATE;
    record.Type.MonthlyDate.rgfDays = days;
    record.Type.MonthlyDate.rgfMonths = TASK_JANUARY;
    return record;
}

}  // namespace

TEST(TriggerCache, DayChangesOnlyTheLowSixteenDays) {
    RecordingTrigger platform(MonthlyDate(0x40000001));  // the 1st and the 31st
    com::ComPtr<sundrave::Trigger> trigger = com::MakeObject<sundrave::Trigger>();
    ASSERT_EQ(S_OK, trigger->Attach(&platform, nullptr, 0));
    short day = 0;
    ASSERT_EQ(S_OK, trigger->get_Day(&day));
    EXPECT_EQ(1, day);
    ASSERT_EQ(S_OK, trigger->put_Day(2));
    EXPECT_EQ(0, platform.writes_);
    ASSERT_EQ(S_OK, trigger->Update());
    EXPECT_EQ(0x40000002u, platform.record_.Type.MonthlyDate.rgfDays);
    EXPECT_EQ(TASK_JANUARY, platform.record_.Type.MonthlyDate.rgfMonths);
}

TEST(TriggerCache, RefusedLetLeavesTheCacheAndPlatformAlone) {
    RecordingTrigger platform(MonthlyDate(0x8));
    com::ComPtr<sundrave::Trigger> trigger = com::MakeObject<sundrave::Trigger>();
    ASSERT_EQ(S_OK, trigger->Attach(&platform, nullptr, 0));
    EXPECT_EQ(static_cast<HRESULT>(0x80040001), trigger->put_WeeksInterval(3));
    EXPECT_EQ(DISP_E_OVERFLOW, trigger->put_Months(static_cast<saTriggerMonths>(0x10000)));
    ASSERT_EQ(S_OK, trigger->Update());
    EXPECT_EQ(0x8u, platform.record_.Type.MonthlyDate.rgfDays);
    EXPECT_EQ(TASK_JANUARY, platform.record_.Type.MonthlyDate.rgfMonths);
}

}  // namespace sundrave_test
