#pragma once
// Schedule: the creatable root, the list of the platform's scheduled tasks.
#include <windows.h>
#include <mstask.h>

#include <vector>

#include "platform/com/dispatch.h"
#include "scheduler/job.h"
#include "sundrave_h.h"

namespace sundrave {

class Schedule : public com::Dispatch<_Schedule> {
public:
    HRESULT FinalConstruct() override;

    STDMETHODIMP CreateTask(BSTR name, _Job** result) override;
    STDMETHODIMP NewEnum(IUnknown** result) override;
    STDMETHODIMP Refresh() override;
    STDMETHODIMP Delete(short index) override;
    STDMETHODIMP get_Job(short index, _Job** value) override;
    STDMETHODIMP get_TargetComputer(BSTR* value) override;
    STDMETHODIMP put_TargetComputer(BSTR computer) override;
    STDMETHODIMP get_Count(LONG* value) override;

private:
    // Checks a 1-based position against the jobs listed.
    HRESULT CheckIndex(short index);

    com::ComPtr<ITaskScheduler> scheduler_;
    std::vector<com::ComPtr<Job>> jobs_;
};

}  // namespace sundrave
