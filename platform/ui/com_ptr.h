#pragma once
// Owner of one COM interface pointer: released with its owner.
#include <unknwn.h>

namespace ui {

template <typename Interface>
class ComPtr {
public:
    ComPtr() = default;
    ~ComPtr() { Reset(); }
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;

    Interface* Get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }
    // For functions that hand out a new reference.
    Interface** Receive() {
        Reset();
        return &pointer_;
    }
    void** ReceiveVoid() { return reinterpret_cast<void**>(Receive()); }
    void Reset(Interface* pointer = nullptr) {
        if (pointer_) pointer_->Release();
        pointer_ = pointer;
    }
    Interface* Release() {
        Interface* pointer = pointer_;
        pointer_ = nullptr;
        return pointer;
    }

private:
    Interface* pointer_ = nullptr;
};

}  // namespace ui
