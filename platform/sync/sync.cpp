#include "platform/sync/sync.h"

#include <process.h>

#include <memory>

#include "platform/guard/guard.h"

namespace sync {

Event::Event(bool manualReset, bool signalled)
    : event_(CreateEventA(nullptr, manualReset, signalled, nullptr)) {}

Event::~Event() {
    if (event_) CloseHandle(event_);
}

void Event::Set() {
    if (event_) SetEvent(event_);
}

void Event::Reset() {
    if (event_) ResetEvent(event_);
}

bool Event::Wait(DWORD milliseconds) const {
    return !event_ || WaitForSingleObject(event_, milliseconds) == WAIT_OBJECT_0;
}

Thread::~Thread() { Join(); }

unsigned __stdcall Thread::Entry(void* self) {
    guard::Run("thread routine", [self] { static_cast<Thread*>(self)->routine_(); });
    return 0;
}

bool Thread::Start(std::function<void()> routine, unsigned stackSize) {
    if (thread_ || !routine) return false;
    routine_ = std::move(routine);
    uintptr_t handle = _beginthreadex(nullptr, stackSize, Entry, this, 0, nullptr);
    thread_ = reinterpret_cast<HANDLE>(handle);
    return thread_ != nullptr;
}

bool Thread::Join(DWORD milliseconds) {
    if (!thread_) return true;
    if (WaitForSingleObject(thread_, milliseconds) != WAIT_OBJECT_0) return false;
    CloseHandle(thread_);
    thread_ = nullptr;
    return true;
}

bool Thread::IsRunning() const {
    return thread_ && WaitForSingleObject(thread_, 0) == WAIT_TIMEOUT;
}

bool Thread::SetPriority(int priority) { return thread_ && SetThreadPriority(thread_, priority); }

namespace {

unsigned __stdcall DetachedEntry(void* parameter) {
    std::unique_ptr<std::function<void()>> routine(static_cast<std::function<void()>*>(parameter));
    guard::Run("thread routine", [&] { (*routine)(); });
    return 0;
}

}  // namespace

bool StartDetached(std::function<void()> routine, unsigned stackSize, int priority) {
    auto* owned = new std::function<void()>(std::move(routine));
    uintptr_t handle = _beginthreadex(nullptr, stackSize, DetachedEntry, owned, CREATE_SUSPENDED, nullptr);
    if (!handle) {
        delete owned;
        return false;
    }
    HANDLE thread = reinterpret_cast<HANDLE>(handle);
    SetThreadPriority(thread, priority);
    ResumeThread(thread);
    CloseHandle(thread);
    return true;
}

}  // namespace sync
