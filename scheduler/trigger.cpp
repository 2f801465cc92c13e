#include "scheduler/trigger.h"

#include <cstring>

#include "platform/com/bstr.h"
#include "platform/com/text.h"
#include "platform/guard/guard.h"

namespace sundrave {
namespace {

const HRESULT kInvalidTriggerType = static_cast<HRESULT>(0x80040001);

constexpr unsigned Type(TASK_TRIGGER_TYPE type) { return 1u << type; }
const unsigned kDaily = Type(TASK_TIME_TRIGGER_DAILY);
const unsigned kWeekly = Type(TASK_TIME_TRIGGER_WEEKLY);
const unsigned kMonthlyDate = Type(TASK_TIME_TRIGGER_MONTHLYDATE);
const unsigned kMonthlyWeekDay = Type(TASK_TIME_TRIGGER_MONTHLYDOW);

// Offsets inside the type-dependent part of the record.
const size_t kFirstWord = 0;
const size_t kDaysOfWeek = 2;
const size_t kMonths = 4;

// Date 0 (30 December 1899) carries the time of day alone.
const WORD kZeroYear = 1899, kZeroMonth = 12, kZeroDay = 30;

DATE ToDate(WORD year, WORD month, WORD day, WORD hour, WORD minute) {
    SYSTEMTIME time = {year, month, 0, day, hour, minute, 0, 0};
    DATE date = 0;
    return SystemTimeToVariantTime(&time, &date) ? date : 0;
}

bool FromDate(DATE date, SYSTEMTIME* time) {
    return VariantTimeToSystemTime(date, time) != FALSE;
}

template <class T, class Field>
HRESULT ReadField(Field field, T* value) {
    if (!value) return E_POINTER;
    *value = static_cast<T>(field);
    return S_OK;
}

template <class Field, class T>
HRESULT WriteField(Field& field, T value) {
    field = static_cast<Field>(value);
    return S_OK;
}

}  // namespace

HRESULT Trigger::Attach(ITaskTrigger* trigger, ITask* task, WORD index) {
    trigger_ = com::ComPtr<ITaskTrigger>(trigger);
    task_ = com::ComPtr<ITask>(task);
    index_ = index;
    return ReadRecord();
}

HRESULT Trigger::Renumber(WORD index) {
    com::ComPtr<ITaskTrigger> moved;
    HRESULT hr = task_->GetTrigger(index, moved.put());
    if (FAILED(hr)) return hr;
    trigger_ = moved;
    index_ = index;
    return S_OK;
}

HRESULT Trigger::ReadRecord() {
    TASK_TRIGGER record = {};
    record.cbTriggerSize = sizeof(TASK_TRIGGER);
    HRESULT hr = trigger_->GetTrigger(&record);
    if (SUCCEEDED(hr)) record_ = record;
    return hr;
}

HRESULT Trigger::TypedField(unsigned allowed, size_t offset, WORD** field) {
    unsigned type = static_cast<unsigned>(record_.TriggerType);
    if (type >= 32 || !(allowed & (1u << type)))
        return Error(kInvalidTriggerType, "Invalid trigger type");
    *field = reinterpret_cast<WORD*>(reinterpret_cast<BYTE*>(&record_.Type) + offset);
    return S_OK;
}

template <class T>
HRESULT Trigger::ReadTyped(unsigned allowed, size_t offset, T* value) {
    if (!value) return E_POINTER;
    WORD* field = nullptr;
    HRESULT hr = TypedField(allowed, offset, &field);
    if (FAILED(hr)) return hr;
    *value = static_cast<T>(static_cast<short>(*field));
    return S_OK;
}

HRESULT Trigger::WriteTyped(unsigned allowed, size_t offset, long value) {
    WORD* field = nullptr;
    HRESULT hr = TypedField(allowed, offset, &field);
    if (FAILED(hr)) return hr;
    if (value < -32768 || value > 32767) return Error(DISP_E_OVERFLOW, "Overflow");
    *field = static_cast<WORD>(value);
    return S_OK;
}

STDMETHODIMP Trigger::get_DaysInterval(short* value) {
    return guard::Call("Trigger::get_DaysInterval", E_UNEXPECTED, [&]() -> HRESULT {
        return ReadTyped(kDaily, kFirstWord, value);
    });
}

STDMETHODIMP Trigger::put_DaysInterval(short value) {
    return guard::Call("Trigger::put_DaysInterval", E_UNEXPECTED, [&]() -> HRESULT {
        return WriteTyped(kDaily, kFirstWord, value);
    });
}
// The day mask is 32 bits wide; Day is its low half, so the days past the
// sixteenth stay as they are.
STDMETHODIMP Trigger::get_Day(short* value) {
    return guard::Call("Trigger::get_Day", E_UNEXPECTED, [&]() -> HRESULT {
        return ReadTyped(kMonthlyDate, kFirstWord, value);
    });
}

STDMETHODIMP Trigger::put_Day(short value) {
    return guard::Call("Trigger::put_Day", E_UNEXPECTED, [&]() -> HRESULT {
        return WriteTyped(kMonthlyDate, kFirstWord, value);
    });
}

STDMETHODIMP Trigger::get_Months(saTriggerMonths* value) {
    return guard::Call("Trigger::get_Months", E_UNEXPECTED, [&]() -> HRESULT {
        return ReadTyped(kMonthlyDate | kMonthlyWeekDay, kMonths, value);
    });
}

STDMETHODIMP Trigger::put_Months(saTriggerMonths value) {
    return guard::Call("Trigger::put_Months", E_UNEXPECTED, [&]() -> HRESULT {
        return WriteTyped(kMonthlyDate | kMonthlyWeekDay, kMonths, value);
    });
}

STDMETHODIMP Trigger::get_DaysOfTheWeek(saTriggerDays* value) {
    return guard::Call("Trigger::get_DaysOfTheWeek", E_UNEXPECTED, [&]() -> HRESULT {
        return ReadTyped(kWeekly | kMonthlyWeekDay, kDaysOfWeek, value);
    });
}

STDMETHODIMP Trigger::put_DaysOfTheWeek(saTriggerDays value) {
    return guard::Call("Trigger::put_DaysOfTheWeek", E_UNEXPECTED, [&]() -> HRESULT {
        return WriteTyped(kWeekly | kMonthlyWeekDay, kDaysOfWeek, value);
    });
}

STDMETHODIMP Trigger::get_Week(saTriggerWeeks* value) {
    return guard::Call("Trigger::get_Week", E_UNEXPECTED, [&]() -> HRESULT {
        return ReadTyped(kMonthlyWeekDay, kFirstWord, value);
    });
}

STDMETHODIMP Trigger::put_Week(saTriggerWeeks value) {
    return guard::Call("Trigger::put_Week", E_UNEXPECTED, [&]() -> HRESULT {
        return WriteTyped(kMonthlyWeekDay, kFirstWord, value);
    });
}

STDMETHODIMP Trigger::get_WeeksInterval(short* value) {
    return guard::Call("Trigger::get_WeeksInterval", E_UNEXPECTED, [&]() -> HRESULT {
        return ReadTyped(kWeekly, kFirstWord, value);
    });
}

STDMETHODIMP Trigger::put_WeeksInterval(short value) {
    return guard::Call("Trigger::put_WeeksInterval", E_UNEXPECTED, [&]() -> HRESULT {
        return WriteTyped(kWeekly, kFirstWord, value);
    });
}

STDMETHODIMP Trigger::Refresh() {
    return guard::Call("Trigger::Refresh", E_UNEXPECTED, [&]() -> HRESULT {
        HRESULT hr = ReadRecord();
        return FAILED(hr) ? Fail(hr) : S_OK;
    });
}

STDMETHODIMP Trigger::Update() {
    return guard::Call("Trigger::Update", E_UNEXPECTED, [&]() -> HRESULT {
        record_.cbTriggerSize = sizeof(TASK_TRIGGER);
        HRESULT hr = trigger_->SetTrigger(&record_);
        if (SUCCEEDED(hr)) hr = ReadRecord();
        return FAILED(hr) ? Fail(hr) : S_OK;
    });
}

STDMETHODIMP Trigger::get_Text(BSTR* value) {
    return guard::Call("Trigger::get_Text", E_UNEXPECTED, [&]() -> HRESULT {
        LPWSTR text = nullptr;
        HRESULT hr = task_->GetTriggerString(index_, &text);
        if (FAILED(hr)) return Fail(hr);
        return com::ReturnString(com::TakeTaskMemString(text), value);
    });
}

STDMETHODIMP Trigger::get_TriggerType(saTriggerTypes* value) {
    return guard::Call("Trigger::get_TriggerType", E_UNEXPECTED, [&]() -> HRESULT {
        return ReadField(record_.TriggerType, value);
    });
}

STDMETHODIMP Trigger::put_TriggerType(saTriggerTypes value) {
    return guard::Call("Trigger::put_TriggerType", E_UNEXPECTED, [&]() -> HRESULT {
        return WriteField(record_.TriggerType, value);
    });
}

STDMETHODIMP Trigger::get_Duration(LONG* value) {
    return guard::Call("Trigger::get_Duration", E_UNEXPECTED, [&]() -> HRESULT {
        return ReadField(record_.MinutesDuration, value);
    });
}

STDMETHODIMP Trigger::put_Duration(LONG value) {
    return guard::Call("Trigger::put_Duration", E_UNEXPECTED, [&]() -> HRESULT {
        return WriteField(record_.MinutesDuration, value);
    });
}

STDMETHODIMP Trigger::get_Interval(LONG* value) {
    return guard::Call("Trigger::get_Interval", E_UNEXPECTED, [&]() -> HRESULT {
        return ReadField(record_.MinutesInterval, value);
    });
}

STDMETHODIMP Trigger::put_Interval(LONG value) {
    return guard::Call("Trigger::put_Interval", E_UNEXPECTED, [&]() -> HRESULT {
        return WriteField(record_.MinutesInterval, value);
    });
}

STDMETHODIMP Trigger::get_Flags(saTriggerFlags* value) {
    return guard::Call("Trigger::get_Flags", E_UNEXPECTED, [&]() -> HRESULT {
        return ReadField(record_.rgFlags, value);
    });
}

STDMETHODIMP Trigger::put_Flags(saTriggerFlags value) {
    return guard::Call("Trigger::put_Flags", E_UNEXPECTED, [&]() -> HRESULT {
        return WriteField(record_.rgFlags, value);
    });
}

STDMETHODIMP Trigger::get_RandomInterval(short* value) {
    return guard::Call("Trigger::get_RandomInterval", E_UNEXPECTED, [&]() -> HRESULT {
        return ReadField(record_.wRandomMinutesInterval, value);
    });
}

STDMETHODIMP Trigger::put_RandomInterval(short value) {
    return guard::Call("Trigger::put_RandomInterval", E_UNEXPECTED, [&]() -> HRESULT {
        return WriteField(record_.wRandomMinutesInterval, value);
    });
}

STDMETHODIMP Trigger::get_BeginDay(DATE* value) {
    return guard::Call("Trigger::get_BeginDay", E_UNEXPECTED, [&]() -> HRESULT {
        return ReadField(ToDate(record_.wBeginYear, record_.wBeginMonth, record_.wBeginDay, 0, 0),
                         value);
    });
}

STDMETHODIMP Trigger::put_BeginDay(DATE value) {
    return guard::Call("Trigger::put_BeginDay", E_UNEXPECTED, [&]() -> HRESULT {
        return StoreDay(value, &record_.wBeginYear, &record_.wBeginMonth, &record_.wBeginDay);
    });
}

STDMETHODIMP Trigger::get_EndDay(DATE* value) {
    return guard::Call("Trigger::get_EndDay", E_UNEXPECTED, [&]() -> HRESULT {
        return ReadField(ToDate(record_.wEndYear, record_.wEndMonth, record_.wEndDay, 0, 0), value);
    });
}

STDMETHODIMP Trigger::put_EndDay(DATE value) {
    return guard::Call("Trigger::put_EndDay", E_UNEXPECTED, [&]() -> HRESULT {
        return StoreDay(value, &record_.wEndYear, &record_.wEndMonth, &record_.wEndDay);
    });
}

HRESULT Trigger::StoreDay(DATE value, WORD* year, WORD* month, WORD* day) {
    SYSTEMTIME time;
    if (!FromDate(value, &time)) return Fail(E_INVALIDARG);
    *year = time.wYear;
    *month = time.wMonth;
    *day = time.wDay;
    return S_OK;
}

STDMETHODIMP Trigger::get_StartTime(DATE* value) {
    return guard::Call("Trigger::get_StartTime", E_UNEXPECTED, [&]() -> HRESULT {
        return ReadField(
            ToDate(kZeroYear, kZeroMonth, kZeroDay, record_.wStartHour, record_.wStartMinute), value);
    });
}

STDMETHODIMP Trigger::put_StartTime(DATE value) {
    return guard::Call("Trigger::put_StartTime", E_UNEXPECTED, [&]() -> HRESULT {
        SYSTEMTIME time;
        if (!FromDate(value, &time)) return Fail(E_INVALIDARG);
        record_.wStartHour = time.wHour;
        record_.wStartMinute = time.wMinute;
        return S_OK;
    });
}

}  // namespace sundrave
