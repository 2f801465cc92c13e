#include "scheduler/schedule.h"

#include "platform/com/bstr.h"
#include "platform/com/text.h"
#include "platform/com/variant_enum.h"
#include "platform/guard/guard.h"

namespace sundrave {
namespace {

// Written as the creator of every task this library makes.
const wchar_t kCreator[] = L"Sundrave";

}  // namespace

HRESULT Schedule::FinalConstruct() {
    return CoCreateInstance(CLSID_CTaskScheduler, nullptr, CLSCTX_INPROC_SERVER,
                            IID_ITaskScheduler, scheduler_.putVoid());
}

HRESULT Schedule::CheckIndex(short index) {
    if (index < 1 || static_cast<size_t>(index) > jobs_.size())
        return Error(DISP_E_BADINDEX, "Invalid index");
    return S_OK;
}

STDMETHODIMP Schedule::CreateTask(BSTR name, _Job** result) {
    return guard::Call("Schedule::CreateTask", E_UNEXPECTED, [&]() -> HRESULT {
        if (!result) return E_POINTER;
        *result = nullptr;
        const wchar_t* taskName = name ? name : L"";
        // The platform would save it as ".job", which it then neither lists
        // nor deletes.
        if (!*taskName) return Error(E_INVALIDARG, "A task needs a name");
        // The platform would hand out a fresh task under an existing name and
        // overwrite that task on the first save.
        com::ComPtr<IUnknown> existing;
        if (SUCCEEDED(scheduler_->Activate(taskName, IID_ITask, existing.putUnknown())))
            return Error(HRESULT_FROM_WIN32(ERROR_FILE_EXISTS),
                         "A task named \"" + com::Narrow(taskName) + "\" already exists");
        com::ComPtr<ITask> task;
        HRESULT hr = scheduler_->NewWorkItem(taskName, CLSID_CTask, IID_ITask, task.putUnknown());
        if (FAILED(hr)) return Fail(hr);
        com::ComPtr<Job> job = com::MakeObject<Job>();
        if (!job) return E_OUTOFMEMORY;
        hr = job->Attach(task.get());
        if (SUCCEEDED(hr)) hr = task->SetCreator(kCreator);
        if (FAILED(hr)) return Fail(hr);
        hr = job->SaveTo(nullptr);
        if (FAILED(hr)) return hr;
        jobs_.push_back(job);
        *result = job.detach();
        return S_OK;
    });
}

STDMETHODIMP Schedule::NewEnum(IUnknown** result) {
    return guard::Call("Schedule::NewEnum", E_UNEXPECTED, [&]() -> HRESULT {
        return com::EnumerateObjects(jobs_, result);
    });
}

// Lists the task files of the platform's task folder. A task that cannot be
// opened (or its triggers read) is left out; errors do not end the listing.
STDMETHODIMP Schedule::Refresh() {
    return guard::Call("Schedule::Refresh", E_UNEXPECTED, [&]() -> HRESULT {
        jobs_.clear();
        com::ComPtr<IEnumWorkItems> items;
        if (FAILED(scheduler_->Enum(items.put()))) return S_OK;
        for (;;) {
            LPWSTR* names = nullptr;
            ULONG fetched = 0;
            if (items->Next(1, &names, &fetched) != S_OK || fetched != 1 || !names) {
                CoTaskMemFree(names);
                break;
            }
            const std::wstring fileName = com::TakeTaskMemString(names[0]);
            CoTaskMemFree(names);
            const std::wstring name = TaskNameOf(fileName);
            if (name.empty()) continue;
            com::ComPtr<ITask> task;
            if (FAILED(scheduler_->Activate(name.c_str(), IID_ITask, task.putUnknown()))) continue;
            com::ComPtr<Job> job = com::MakeObject<Job>();
            if (!job || FAILED(job->Attach(task.get()))) continue;
            job->SetName(name);
            job->SetFileName(fileName);
            jobs_.push_back(job);
        }
        return S_OK;
    });
}

STDMETHODIMP Schedule::Delete(short index) {
    return guard::Call("Schedule::Delete", E_UNEXPECTED, [&]() -> HRESULT {
        HRESULT hr = CheckIndex(index);
        if (FAILED(hr)) return hr;
        const size_t position = static_cast<size_t>(index - 1);
        const std::wstring name = jobs_[position]->TaskName();
        if (name.empty()) return Error(E_UNEXPECTED, "The task has no file to delete");
        hr = scheduler_->Delete(name.c_str());
        if (FAILED(hr)) return Fail(hr);
        jobs_.erase(jobs_.begin() + static_cast<std::ptrdiff_t>(position));
        return S_OK;
    });
}

STDMETHODIMP Schedule::get_Job(short index, _Job** value) {
    return guard::Call("Schedule::get_Job", E_UNEXPECTED, [&]() -> HRESULT {
        if (!value) return E_POINTER;
        *value = nullptr;
        HRESULT hr = CheckIndex(index);
        if (FAILED(hr)) return hr;
        *value = jobs_[static_cast<size_t>(index - 1)].get();
        (*value)->AddRef();
        return S_OK;
    });
}

STDMETHODIMP Schedule::get_TargetComputer(BSTR* value) {
    return guard::Call("Schedule::get_TargetComputer", E_UNEXPECTED, [&]() -> HRESULT {
        if (!value) return E_POINTER;
        *value = nullptr;
        LPWSTR computer = nullptr;
        HRESULT hr = scheduler_->GetTargetComputer(&computer);
        if (FAILED(hr)) return Fail(hr);
        return com::ReturnString(com::TakeTaskMemString(computer), value);
    });
}

STDMETHODIMP Schedule::put_TargetComputer(BSTR computer) {
    return guard::Call("Schedule::put_TargetComputer", E_UNEXPECTED, [&]() -> HRESULT {
        HRESULT hr = scheduler_->SetTargetComputer(computer && *computer ? computer : nullptr);
        return FAILED(hr) ? Fail(hr) : S_OK;
    });
}

STDMETHODIMP Schedule::get_Count(LONG* value) {
    return guard::Call("Schedule::get_Count", E_UNEXPECTED, [&]() -> HRESULT {
        if (!value) return E_POINTER;
        *value = static_cast<LONG>(jobs_.size());
        return S_OK;
    });
}

}  // namespace sundrave
