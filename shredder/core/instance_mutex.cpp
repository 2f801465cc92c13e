#include "shredder/core/instance_mutex.h"

namespace shredder {

bool InstanceMutex::Take(const std::string& name) {
    Release();
    handle_ = CreateMutexA(nullptr, TRUE, name.c_str());
    if (handle_ && GetLastError() != ERROR_ALREADY_EXISTS) return true;
    Release();
    return false;
}

void InstanceMutex::Release() {
    if (handle_) CloseHandle(handle_);
    handle_ = nullptr;
}

}  // namespace shredder
