#pragma once
// The single-instance mutex, held for the life of the process (the options
// page releases and takes it again under a new name).
#include <windows.h>

#include <string>

namespace popup {

class CInstanceMutex {
public:
    CInstanceMutex() = default;
    ~CInstanceMutex();
    CInstanceMutex(const CInstanceMutex&) = delete;
    CInstanceMutex& operator=(const CInstanceMutex&) = delete;

    // Creates the mutex owned; false when the name is taken already (another
    // instance, or another kind of object of that name).
    bool Acquire(const std::string& name);
    void Release();
    // The name of the last Acquire.
    const std::string& Name() const { return name_; }

private:
    HANDLE handle_ = nullptr;
    std::string name_;
};

}  // namespace popup
