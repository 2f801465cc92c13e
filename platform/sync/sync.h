#pragma once
// Threads and locks over the system's own calls (critical sections, events,
// threads from the C runtime's _beginthreadex), so the product imports
// nothing newer than Windows 95 and NT 4. Product code never uses
// std::thread or std::mutex: the product's compilers have neither, and their
// runtime would need later systems. std::atomic of integral types is fine.
#include <windows.h>

#include <functional>
#include <string>

namespace sync {

// A critical section; Lock holds it for a scope. Re-entrant on one thread.
class CriticalSection {
public:
    CriticalSection() { InitializeCriticalSection(&section_); }
    ~CriticalSection() { DeleteCriticalSection(&section_); }
    CriticalSection(const CriticalSection&) = delete;
    CriticalSection& operator=(const CriticalSection&) = delete;

    void Enter() { EnterCriticalSection(&section_); }
    void Leave() { LeaveCriticalSection(&section_); }

private:
    CRITICAL_SECTION section_;
};

// Holds a critical section for its own lifetime.
class Lock {
public:
    explicit Lock(CriticalSection& section) : section_(section) { section_.Enter(); }
    ~Lock() { section_.Leave(); }
    Lock(const Lock&) = delete;
    Lock& operator=(const Lock&) = delete;

private:
    CriticalSection& section_;
};

// A kernel event; Handle() is null when the system could not make one, and
// then Wait reports a signal at once so no caller blocks for ever.
class Event {
public:
    explicit Event(bool manualReset = true, bool signalled = false);
    ~Event();
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

    void Set();
    void Reset();
    // True when signalled within `milliseconds` (INFINITE waits for ever).
    bool Wait(DWORD milliseconds = INFINITE) const;
    HANDLE Handle() const { return event_; }

private:
    HANDLE event_;
};

// A kernel semaphore counting what is ready for waiters. Handle() is null
// when the system could not make one; Wait then reports a signal at once.
class Semaphore {
public:
    Semaphore();
    ~Semaphore();
    Semaphore(const Semaphore&) = delete;
    Semaphore& operator=(const Semaphore&) = delete;

    // Lets `count` more waits through.
    void Release(long count = 1);
    // True when a count was taken within `milliseconds`.
    bool Wait(DWORD milliseconds = INFINITE) const;
    HANDLE Handle() const { return semaphore_; }

private:
    HANDLE semaphore_;
};

// The single-instance rule of the programs: a named mutex this process
// takes owned and holds while it runs.
class InstanceMutex {
public:
    InstanceMutex() = default;
    ~InstanceMutex() { Release(); }
    InstanceMutex(const InstanceMutex&) = delete;
    InstanceMutex& operator=(const InstanceMutex&) = delete;

    // Drops any held name and takes `name`. False when another process
    // holds it (or it names an object of another kind): none is held then.
    bool Take(const std::string& name);
    void Release();
    bool Held() const { return handle_ != nullptr; }
    // The name of the last Take.
    const std::string& Name() const { return name_; }

private:
    HANDLE handle_ = nullptr;
    std::string name_;
};

// One thread running one routine behind the exception firewall. The thread
// owns its routine (and whatever the routine captured) until it ends, so a
// Thread object may let a running thread go on alone (Detach) or be
// destroyed after a Join that timed out and a Detach. The destructor waits
// for a thread still attached to end.
class Thread {
public:
    Thread() = default;
    ~Thread();
    Thread(const Thread&) = delete;
    Thread& operator=(const Thread&) = delete;

    // False when the thread could not be started (the routine is then
    // dropped unrun) or this object still holds a thread. `stackSize` 0
    // takes the program's default; otherwise it is the stack committed at
    // start (the systems before XP know no reservation-only size).
    // `priority` is set before the routine runs.
    bool Start(std::function<void()> routine, unsigned stackSize = 0,
               int priority = THREAD_PRIORITY_NORMAL);
    // True when the thread has ended within `milliseconds` (or none is held);
    // its handle is then closed and Start may be called again.
    bool Join(DWORD milliseconds = INFINITE);
    // Lets the thread run on without this object; Start may be called again.
    void Detach();
    bool IsRunning() const;
    bool SetPriority(int priority);

private:
    HANDLE thread_ = nullptr;
};

// Starts `routine` on a thread nobody joins; false when it could not start.
bool StartDetached(std::function<void()> routine, unsigned stackSize = 0,
                   int priority = THREAD_PRIORITY_NORMAL);

}  // namespace sync
