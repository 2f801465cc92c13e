// Triggers and Trigger: the cached record, its type checks, and what
// reaches the platform.
#include "scheduler/tests/scheduler_fixture.h"

namespace sundrave_test {
namespace {

const HRESULT kInvalidTriggerType = static_cast<HRESULT>(0x80040001);

double DateOf(WORD year, WORD month, WORD day, WORD hour = 0, WORD minute = 0) {
    SYSTEMTIME time = {year, month, 0, day, hour, minute, 0, 0};
    DATE date = 0;
    SystemTimeToVariantTime(&time, &date);
    return date;
}

WORD TriggerCount(ITask* task) {
    WORD count = 0;
    EXPECT_EQ(S_OK, task->GetTriggerCount(&count));
    return count;
}

TASK_TRIGGER Record(ITask* task, WORD index) {
    TASK_TRIGGER record = {};
    record.cbTriggerSize = sizeof record;
    com::ComPtr<ITaskTrigger> trigger;
    EXPECT_EQ(S_OK, task->GetTrigger(index, trigger.put()));
    if (trigger) {
        EXPECT_EQ(S_OK, trigger->GetTrigger(&record));
    }
    return record;
}

}  // namespace

class Triggers : public SchedulerTest {
protected:
    void SetUp() override {
        SchedulerTest::SetUp();
        job_ = NewTask(L"Triggers");
        ASSERT_TRUE(job_);
        list_ = Get(job_.get(), job::Triggers).object();
        ASSERT_TRUE(list_);
    }
    void TearDown() override {
        list_.reset();
        job_.reset();
        SchedulerTest::TearDown();
    }

    // A new trigger, daily, far in the future.
    com::ComPtr<IDispatch> AddTrigger(WORD hour = 3) {
        com::ComPtr<IDispatch> trigger = Method(list_.get(), triggers::Add).object();
        EXPECT_TRUE(trigger);
        if (!trigger) return trigger;
        EXPECT_TRUE(Put(trigger.get(), trigger::TriggerType, Long(TASK_TIME_TRIGGER_DAILY)).ok());
        EXPECT_TRUE(Put(trigger.get(), trigger::DaysInterval, Short(1)).ok());
        EXPECT_TRUE(Put(trigger.get(), trigger::BeginDay, Date(DateOf(2099, 1, 1))).ok());
        EXPECT_TRUE(Put(trigger.get(), trigger::StartTime, Date(DateOf(1899, 12, 30, hour, 0))).ok());
        return trigger;
    }

    com::ComPtr<IDispatch> job_;
    com::ComPtr<IDispatch> list_;
};

TEST_F(Triggers, TypeDependentPropertiesCheckTheTriggerType) {
    com::ComPtr<IDispatch> trigger = AddTrigger();
    ASSERT_TRUE(trigger);
    const struct {
        DISPID id;
        unsigned allowed;  // mask of 1 << trigger type
        long value;
    } properties[] = {{trigger::DaysInterval, 1u << 1, 4},
                      {trigger::Day, 1u << 3, 9},
                      {trigger::Months, (1u << 3) | (1u << 4), 0x0A0},
                      {trigger::DaysOfTheWeek, (1u << 2) | (1u << 4), 0x22},
                      {trigger::Week, 1u << 4, 3},
                      {trigger::WeeksInterval, 1u << 2, 5}};
    for (const auto& property : properties) {
        long allowedType = 0;
        while (!(property.allowed & (1u << allowedType))) ++allowedType;
        ASSERT_TRUE(Put(trigger.get(), trigger::TriggerType, Long(allowedType)).ok());
        ASSERT_TRUE(Put(trigger.get(), property.id, Long(property.value)).ok());
        for (long type = 0; type < 8; ++type) {
            ASSERT_TRUE(Put(trigger.get(), trigger::TriggerType, Long(type)).ok());
            Outcome got = Get(trigger.get(), property.id);
            Outcome put = Put(trigger.get(), property.id, Long(property.value + 1));
            if (property.allowed & (1u << type)) {
                EXPECT_TRUE(got.ok()) << property.id << " type " << type;
                EXPECT_TRUE(put.ok()) << property.id << " type " << type;
                ASSERT_TRUE(Put(trigger.get(), property.id, Long(property.value)).ok());
                continue;
            }
            EXPECT_EQ(DISP_E_EXCEPTION, got.hr) << property.id << " type " << type;
            EXPECT_EQ(kInvalidTriggerType, got.code);
            EXPECT_EQ("Invalid trigger type", got.description);
            EXPECT_EQ(DISP_E_EXCEPTION, put.hr) << property.id << " type " << type;
            EXPECT_EQ(kInvalidTriggerType, put.code);
        }
        // A refused let stored nothing.
        ASSERT_TRUE(Put(trigger.get(), trigger::TriggerType, Long(allowedType)).ok());
        EXPECT_EQ(property.value, Get(trigger.get(), property.id).number()) << property.id;
    }
}

TEST_F(Triggers, WeeklyTypeAndIntervalReachThePlatformOnUpdate) {
    com::ComPtr<IDispatch> trigger = AddTrigger();
    ASSERT_TRUE(trigger);
    ASSERT_TRUE(Method(trigger.get(), trigger::Update).ok());
    ASSERT_TRUE(Put(trigger.get(), trigger::TriggerType, Long(TASK_TIME_TRIGGER_WEEKLY)).ok());
    ASSERT_TRUE(Put(trigger.get(), trigger::WeeksInterval, Short(3)).ok());
    ASSERT_TRUE(Put(trigger.get(), trigger::DaysOfTheWeek, Long(TASK_MONDAY | TASK_FRIDAY)).ok());
    ASSERT_TRUE(Method(trigger.get(), trigger::Update).ok());
    ASSERT_TRUE(Method(job_.get(), job::Save).ok());

    TASK_TRIGGER stored = Record(PlatformTask(L"Triggers").get(), 0);
    EXPECT_EQ(TASK_TIME_TRIGGER_WEEKLY, stored.TriggerType);
    EXPECT_EQ(3, stored.Type.Weekly.WeeksInterval);
    EXPECT_EQ(TASK_MONDAY | TASK_FRIDAY, stored.Type.Weekly.rgfDaysOfTheWeek);
}

TEST_F(Triggers, DatesTimesAndNumbersRoundTrip) {
    com::ComPtr<IDispatch> trigger = AddTrigger();
    ASSERT_TRUE(trigger);
    const double begin = DateOf(2099, 5, 17), end = DateOf(2099, 6, 1);
    const double start = DateOf(1899, 12, 30, 13, 45);
    ASSERT_TRUE(Put(trigger.get(), trigger::BeginDay, Date(begin)).ok());
    ASSERT_TRUE(Put(trigger.get(), trigger::EndDay, Date(end + 0.5)).ok());
    ASSERT_TRUE(Put(trigger.get(), trigger::StartTime, Date(DateOf(2001, 2, 3, 13, 45))).ok());
    ASSERT_TRUE(Put(trigger.get(), trigger::Flags, Long(TASK_TRIGGER_FLAG_HAS_END_DATE)).ok());
    ASSERT_TRUE(Put(trigger.get(), trigger::Duration, Long(120)).ok());
    ASSERT_TRUE(Put(trigger.get(), trigger::Interval, Long(30)).ok());
    ASSERT_TRUE(Put(trigger.get(), trigger::RandomInterval, Short(7)).ok());
    EXPECT_EQ(7, Get(trigger.get(), trigger::RandomInterval).number());
    // The platform keeps no random interval (the field is reserved there).
    ASSERT_TRUE(Method(trigger.get(), trigger::Update).ok());
    ASSERT_TRUE(Method(trigger.get(), trigger::Refresh).ok());

    EXPECT_EQ(begin, Get(trigger.get(), trigger::BeginDay).date());
    EXPECT_EQ(end, Get(trigger.get(), trigger::EndDay).date());
    EXPECT_NEAR(start, Get(trigger.get(), trigger::StartTime).date(), 1e-9);
    EXPECT_EQ(TASK_TRIGGER_FLAG_HAS_END_DATE, Get(trigger.get(), trigger::Flags).number());
    EXPECT_EQ(120, Get(trigger.get(), trigger::Duration).number());
    EXPECT_EQ(30, Get(trigger.get(), trigger::Interval).number());
}

TEST_F(Triggers, MonthlyByWeekDayFieldsAreIndependent) {
    com::ComPtr<IDispatch> trigger = AddTrigger();
    ASSERT_TRUE(trigger);
    ASSERT_TRUE(Put(trigger.get(), trigger::TriggerType, Long(TASK_TIME_TRIGGER_MONTHLYDOW)).ok());
    ASSERT_TRUE(Put(trigger.get(), trigger::Week, Long(TASK_LAST_WEEK)).ok());
    ASSERT_TRUE(Put(trigger.get(), trigger::DaysOfTheWeek, Long(TASK_SUNDAY)).ok());
    ASSERT_TRUE(Put(trigger.get(), trigger::Months, Long(TASK_MARCH | TASK_DECEMBER)).ok());
    EXPECT_EQ(TASK_LAST_WEEK, Get(trigger.get(), trigger::Week).number());
    EXPECT_EQ(TASK_SUNDAY, Get(trigger.get(), trigger::DaysOfTheWeek).number());
    EXPECT_EQ(TASK_MARCH | TASK_DECEMBER, Get(trigger.get(), trigger::Months).number());

    Outcome overflow = Put(trigger.get(), trigger::Months, Long(70000));
    EXPECT_EQ(DISP_E_OVERFLOW, overflow.error());
    EXPECT_EQ(TASK_MARCH | TASK_DECEMBER, Get(trigger.get(), trigger::Months).number());
}

TEST_F(Triggers, RemoveThenSaveKeepsTheOtherTriggers) {
    for (WORD hour = 1; hour <= 3; ++hour) ASSERT_TRUE(AddTrigger(hour));
    ASSERT_TRUE(Method(job_.get(), job::Save).ok());
    ASSERT_EQ(3, Get(list_.get(), triggers::Count).number());

    ASSERT_TRUE(Method(list_.get(), triggers::Remove, {Short(1)}).ok());
    EXPECT_EQ(2, Get(list_.get(), triggers::Count).number());
    com::ComPtr<IDispatch> last = Get(list_.get(), triggers::Item, {Long(2)}).object();
    ASSERT_TRUE(last);
    ASSERT_TRUE(Put(last.get(), trigger::Duration, Long(60)).ok());
    ASSERT_TRUE(Put(last.get(), trigger::Interval, Long(15)).ok());
    ASSERT_TRUE(Method(job_.get(), job::Save).ok());

    com::ComPtr<ITask> stored = PlatformTask(L"Triggers");
    ASSERT_TRUE(stored);
    ASSERT_EQ(2, TriggerCount(stored.get()));
    TASK_TRIGGER second = Record(stored.get(), 0), third = Record(stored.get(), 1);
    EXPECT_EQ(2, second.wStartHour);
    EXPECT_EQ(0u, second.MinutesInterval);
    EXPECT_EQ(3, third.wStartHour);
    EXPECT_EQ(15u, third.MinutesInterval);
}

TEST_F(Triggers, AddedTriggerReachesThePlatformWithFlagsZeroOnSave) {
    com::ComPtr<IDispatch> trigger = AddTrigger();
    ASSERT_TRUE(trigger);
    EXPECT_EQ(0, Get(trigger.get(), trigger::Flags).number());
    ASSERT_TRUE(Method(job_.get(), job::Save).ok());
    com::ComPtr<ITask> stored = PlatformTask(L"Triggers");
    ASSERT_TRUE(stored);
    EXPECT_EQ(1, TriggerCount(stored.get()));
    EXPECT_EQ(0u, Record(stored.get(), 0).rgFlags);
}

TEST_F(Triggers, CollectionIndexingEnumerationAndUpdate) {
    ASSERT_TRUE(AddTrigger(1));
    ASSERT_TRUE(AddTrigger(2));
    EXPECT_EQ(DISP_E_BADINDEX, Get(list_.get(), triggers::Item, {Long(3)}).error());
    EXPECT_EQ(DISP_E_BADINDEX, Get(list_.get(), triggers::Item, {Long(0)}).error());
    EXPECT_EQ(DISP_E_BADINDEX, Method(list_.get(), triggers::Remove, {Short(3)}).error());

    Outcome walker = Method(list_.get(), triggers::NewEnum);
    ASSERT_EQ(VT_UNKNOWN, V_VT(&walker.value.get()));
    com::ComPtr<IEnumVARIANT> items;
    ASSERT_EQ(S_OK, items.queryFrom(V_UNKNOWN(&walker.value.get()), IID_IEnumVARIANT));
    VARIANT got[3];
    ULONG fetched = 0;
    EXPECT_EQ(S_FALSE, items->Next(3, got, &fetched));
    EXPECT_EQ(2u, fetched);
    for (ULONG i = 0; i < fetched; ++i) VariantClear(&got[i]);

    ASSERT_TRUE(Method(job_.get(), job::Save).ok());
    ASSERT_TRUE(Method(list_.get(), triggers::Update).ok());
    EXPECT_EQ(2, Get(list_.get(), triggers::Count).number());
    com::ComPtr<IDispatch> second = Get(list_.get(), triggers::Item, {Long(2)}).object();
    ASSERT_TRUE(second);
    EXPECT_NEAR(DateOf(1899, 12, 30, 2, 0), Get(second.get(), trigger::StartTime).date(), 1e-9);
}

TEST_F(Triggers, TriggerTextPassesOnThePlatformsAnswer) {
    com::ComPtr<IDispatch> trigger = AddTrigger();
    ASSERT_TRUE(trigger);
    ASSERT_TRUE(Method(trigger.get(), trigger::Update).ok());
    Outcome text = Get(trigger.get(), trigger::Text);
    if (UnderWine()) {
        EXPECT_EQ(DISP_E_EXCEPTION, text.hr);
        EXPECT_EQ(E_NOTIMPL, text.code);
    } else {
        EXPECT_TRUE(text.ok());
        EXPECT_FALSE(text.text().empty());
    }
}

}  // namespace sundrave_test
