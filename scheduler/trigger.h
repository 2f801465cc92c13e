#pragma once
// Trigger: a cached copy of one platform trigger record. Properties read
// and write the cache; Update writes it to the platform.
#include <windows.h>
#include <mstask.h>

#include <cstddef>

#include "platform/com/dispatch.h"
#include "sundrave_h.h"

namespace sundrave {

class Trigger : public com::Dispatch<_Trigger> {
public:
    // Takes the platform trigger number index of the work item and reads
    // its record.
    HRESULT Attach(ITaskTrigger* trigger, ITask* task, WORD index);
    // The platform numbered this trigger anew (an earlier one was deleted):
    // follow it, keeping the cached record.
    HRESULT Renumber(WORD index);
    void ClearCachedFlags() { record_.rgFlags = 0; }

    STDMETHODIMP get_DaysInterval(short* value) override;
    STDMETHODIMP put_DaysInterval(short value) override;
    STDMETHODIMP get_Day(short* value) override;
    STDMETHODIMP put_Day(short value) override;
    STDMETHODIMP get_Months(saTriggerMonths* value) override;
    STDMETHODIMP put_Months(saTriggerMonths value) override;
    STDMETHODIMP get_DaysOfTheWeek(saTriggerDays* value) override;
    STDMETHODIMP put_DaysOfTheWeek(saTriggerDays value) override;
    STDMETHODIMP get_Week(saTriggerWeeks* value) override;
    STDMETHODIMP put_Week(saTriggerWeeks value) override;
    STDMETHODIMP get_WeeksInterval(short* value) override;
    STDMETHODIMP put_WeeksInterval(short value) override;
    STDMETHODIMP Refresh() override;
    STDMETHODIMP Update() override;
    STDMETHODIMP get_Text(BSTR* value) override;
    STDMETHODIMP get_TriggerType(saTriggerTypes* value) override;
    STDMETHODIMP put_TriggerType(saTriggerTypes value) override;
    STDMETHODIMP get_Duration(LONG* value) override;
    STDMETHODIMP put_Duration(LONG value) override;
    STDMETHODIMP get_Interval(LONG* value) override;
    STDMETHODIMP put_Interval(LONG value) override;
    STDMETHODIMP get_Flags(saTriggerFlags* value) override;
    STDMETHODIMP put_Flags(saTriggerFlags value) override;
    STDMETHODIMP get_BeginDay(DATE* value) override;
    STDMETHODIMP put_BeginDay(DATE value) override;
    STDMETHODIMP get_EndDay(DATE* value) override;
    STDMETHODIMP put_EndDay(DATE value) override;
    STDMETHODIMP get_RandomInterval(short* value) override;
    STDMETHODIMP put_RandomInterval(short value) override;
    STDMETHODIMP get_StartTime(DATE* value) override;
    STDMETHODIMP put_StartTime(DATE value) override;

private:
    // The 16-bit field at offset of the type-dependent part, when the cached
    // trigger type is one of allowed (a mask of 1 << type).
    HRESULT TypedField(unsigned allowed, size_t offset, WORD** field);
    template <class T>
    HRESULT ReadTyped(unsigned allowed, size_t offset, T* value);
    HRESULT WriteTyped(unsigned allowed, size_t offset, long value);
    HRESULT ReadRecord();
    // Stores the day, month and year of a date into three record fields.
    HRESULT StoreDay(DATE value, WORD* year, WORD* month, WORD* day);

    com::ComPtr<ITaskTrigger> trigger_;
    com::ComPtr<ITask> task_;
    WORD index_ = 0;
    TASK_TRIGGER record_ = {};
};

}  // namespace sundrave
