#include "scheduler/triggers.h"

#include "platform/com/variant_enum.h"
#include "platform/guard/guard.h"

namespace sundrave {

HRESULT Triggers::Attach(ITask* task) {
    task_ = com::ComPtr<ITask>(task);
    items_.clear();
    WORD count = 0;
    HRESULT hr = task_->GetTriggerCount(&count);
    if (FAILED(hr)) return hr;
    for (WORD index = 0; index < count; ++index) {
        com::ComPtr<ITaskTrigger> platform;
        hr = task_->GetTrigger(index, platform.put());
        if (FAILED(hr)) return hr;
        com::ComPtr<Trigger> trigger = com::MakeObject<Trigger>();
        if (!trigger) return E_OUTOFMEMORY;
        hr = trigger->Attach(platform.get(), task_.get(), index);
        if (FAILED(hr)) return hr;
        items_.push_back(trigger);
    }
    return S_OK;
}

HRESULT Triggers::UpdateAll() {
    for (const com::ComPtr<Trigger>& trigger : items_) {
        HRESULT hr = trigger->Update();
        if (FAILED(hr)) return hr;
    }
    return S_OK;
}

STDMETHODIMP Triggers::Add(_Trigger** result) {
    return guard::Call("Triggers::Add", E_UNEXPECTED, [&]() -> HRESULT {
        if (!result) return E_POINTER;
        *result = nullptr;
        WORD index = 0;
        com::ComPtr<ITaskTrigger> platform;
        HRESULT hr = task_->CreateTrigger(&index, platform.put());
        if (FAILED(hr)) return Fail(hr);
        com::ComPtr<Trigger> trigger = com::MakeObject<Trigger>();
        if (!trigger) return E_OUTOFMEMORY;
        hr = trigger->Attach(platform.get(), task_.get(), index);
        if (FAILED(hr)) return Fail(hr);
        trigger->ClearCachedFlags();
        items_.push_back(trigger);
        *result = trigger.detach();
        return S_OK;
    });
}

STDMETHODIMP Triggers::NewEnum(IUnknown** result) {
    return guard::Call("Triggers::NewEnum", E_UNEXPECTED, [&]() -> HRESULT {
        return com::EnumerateObjects(items_, result);
    });
}

STDMETHODIMP Triggers::Remove(short index) {
    return guard::Call("Triggers::Remove", E_UNEXPECTED, [&]() -> HRESULT {
        if (index < 1 || static_cast<size_t>(index) > items_.size())
            return Error(DISP_E_BADINDEX, "Invalid index");
        const size_t position = static_cast<size_t>(index - 1);
        HRESULT hr = task_->DeleteTrigger(static_cast<WORD>(position));
        if (FAILED(hr)) return Fail(hr);
        items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(position));
        // The platform moved every later trigger down by one: the objects follow,
        // so that saving one never writes its record over another trigger.
        for (size_t i = position; i < items_.size(); ++i) {
            hr = items_[i]->Renumber(static_cast<WORD>(i));
            if (FAILED(hr)) return Fail(hr);
        }
        return S_OK;
    });
}

STDMETHODIMP Triggers::get_Count(LONG* value) {
    return guard::Call("Triggers::get_Count", E_UNEXPECTED, [&]() -> HRESULT {
        if (!value) return E_POINTER;
        *value = static_cast<LONG>(items_.size());
        return S_OK;
    });
}

STDMETHODIMP Triggers::get_Item(VARIANT index, _Trigger** value) {
    return guard::Call("Triggers::get_Item", E_UNEXPECTED, [&]() -> HRESULT {
        if (!value) return E_POINTER;
        *value = nullptr;
        VARIANT number;
        VariantInit(&number);
        if (FAILED(VariantChangeType(&number, &index, 0, VT_I4)) || V_I4(&number) < 1 ||
            static_cast<size_t>(V_I4(&number)) > items_.size())
            return Error(DISP_E_BADINDEX, "Invalid index");
        *value = items_[static_cast<size_t>(V_I4(&number) - 1)].get();
        (*value)->AddRef();
        return S_OK;
    });
}

STDMETHODIMP Triggers::Update() {
    return guard::Call("Triggers::Update", E_UNEXPECTED, [&]() -> HRESULT {
        HRESULT hr = Attach(task_.get());
        return FAILED(hr) ? Fail(hr) : S_OK;
    });
}

}  // namespace sundrave
