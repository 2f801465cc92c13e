#include "popup/core/instance_mutex.h"

namespace popup {

CInstanceMutex::~CInstanceMutex() { Release(); }

void CInstanceMutex::Release() {
    if (handle_) CloseHandle(handle_);
    handle_ = nullptr;
}

bool CInstanceMutex::Acquire(const std::string& name) {
    Release();
    name_ = name;
    HANDLE handle = CreateMutexA(nullptr, TRUE, name.c_str());
    if (handle && GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(handle);
        handle = nullptr;
    }
    handle_ = handle;
    return handle_ != nullptr;
}

}  // namespace popup
