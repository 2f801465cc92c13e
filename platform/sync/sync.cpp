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

Semaphore::Semaphore() : semaphore_(CreateSemaphoreA(nullptr, 0, 0x7fffffff, nullptr)) {}

Semaphore::~Semaphore() {
    if (semaphore_) CloseHandle(semaphore_);
}

void Semaphore::Release(long count) {
    if (semaphore_ && count > 0) ReleaseSemaphore(semaphore_, count, nullptr);
}

bool Semaphore::Wait(DWORD milliseconds) const {
    return !semaphore_ || WaitForSingleObject(semaphore_, milliseconds) == WAIT_OBJECT_0;
}

bool InstanceMutex::Take(const std::string& name) {
    Release();
    name_ = name;
    handle_ = CreateMutexA(nullptr, TRUE, name.c_str());
    if (handle_ && GetLastError() != ERROR_ALREADY_EXISTS) return true;
    Release();
    return false;
}

void InstanceMutex::Release() {
    if (!handle_) return;
    ReleaseMutex(handle_);
    CloseHandle(handle_);
    handle_ = nullptr;
}

namespace {

using Routine = std::function<void()>;

unsigned __stdcall Entry(void* parameter) {
    std::unique_ptr<Routine> routine(static_cast<Routine*>(parameter));
    guard::Run("thread routine", [&] { (*routine)(); });
    return 0;
}

// Starts the routine's thread suspended, sets its priority and lets it run.
// The thread's handle, or null when it could not start.
HANDLE Launch(Routine routine, unsigned stackSize, int priority) {
    if (!routine) return nullptr;
    auto owned = std::make_unique<Routine>(std::move(routine));
    uintptr_t handle = _beginthreadex(nullptr, stackSize, Entry, owned.get(), CREATE_SUSPENDED, nullptr);
    if (!handle) return nullptr;
    owned.release();  // the thread deletes it when the routine returns
    HANDLE thread = reinterpret_cast<HANDLE>(handle);
    if (priority != THREAD_PRIORITY_NORMAL) SetThreadPriority(thread, priority);
    ResumeThread(thread);
    return thread;
}

}  // namespace

Thread::~Thread() { Join(); }

bool Thread::Start(std::function<void()> routine, unsigned stackSize, int priority) {
    if (thread_) return false;
    thread_ = Launch(std::move(routine), stackSize, priority);
    return thread_ != nullptr;
}

bool Thread::Join(DWORD milliseconds) {
    if (!thread_) return true;
    if (WaitForSingleObject(thread_, milliseconds) != WAIT_OBJECT_0) return false;
    CloseHandle(thread_);
    thread_ = nullptr;
    return true;
}

void Thread::Detach() {
    if (!thread_) return;
    CloseHandle(thread_);
    thread_ = nullptr;
}

bool Thread::IsRunning() const {
    return thread_ && WaitForSingleObject(thread_, 0) == WAIT_TIMEOUT;
}

bool Thread::SetPriority(int priority) { return thread_ && SetThreadPriority(thread_, priority); }

bool StartDetached(std::function<void()> routine, unsigned stackSize, int priority) {
    HANDLE thread = Launch(std::move(routine), stackSize, priority);
    if (!thread) return false;
    CloseHandle(thread);
    return true;
}

}  // namespace sync
