#pragma once
// Triggers: the collection of a job's triggers, mirrored from the platform.
#include <windows.h>
#include <mstask.h>

#include <vector>

#include "platform/com/dispatch.h"
#include "scheduler/trigger.h"
#include "sundrave_h.h"

namespace sundrave {

class Triggers : public com::Dispatch<_Triggers> {
public:
    // Takes the work item and reads its triggers.
    HRESULT Attach(ITask* task);
    // Writes every trigger's record to the platform.
    HRESULT UpdateAll();

    STDMETHODIMP Add(_Trigger** result) override;
    STDMETHODIMP NewEnum(IUnknown** result) override;
    STDMETHODIMP Remove(short index) override;
    STDMETHODIMP get_Count(LONG* value) override;
    STDMETHODIMP get_Item(VARIANT index, _Trigger** value) override;
    STDMETHODIMP Update() override;

private:
    com::ComPtr<ITask> task_;
    std::vector<com::ComPtr<Trigger>> items_;
};

}  // namespace sundrave
