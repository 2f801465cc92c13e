#pragma once
// The scheduler library's Schedule and Job objects, driven late-bound by
// dispatch id only. A driver without an object does nothing and answers an
// empty result.
#include <string>

#include "platform/ui/dispatch.h"

namespace shredder {

class JobDispatch {
public:
    ui::DispatchDriver& Driver() { return driver_; }
    // Takes the job (released when re-attached or destroyed).
    void Attach(IDispatch* job) { driver_.AttachDispatch(job, true); }
    bool IsAttached() const { return driver_.Get() != nullptr; }

    HRESULT SetApplicationName(const std::string& name);
    HRESULT SetCommandLine(const std::string& line);
    std::string GetCreator();
    HRESULT SetCreator(const std::string& creator);
    HRESULT Run();
    std::string GetName();
    HRESULT Save(const std::string& file = std::string());
    HRESULT ShowProperties();

private:
    ui::DispatchDriver driver_;
};

class ScheduleDispatch {
public:
    ui::DispatchDriver& Driver() { return driver_; }
    HRESULT Create(const std::string& progId) { return driver_.CreateDispatch(progId); }
    bool IsCreated() const { return driver_.Get() != nullptr; }

    // The new job's object (the caller's reference), or nullptr.
    IDispatch* CreateTask(const std::string& name);
    HRESULT Refresh();
    HRESULT Delete(short position);
    IDispatch* GetJob(short position);
    long GetCount();

private:
    ui::DispatchDriver driver_;
};

// Asks the user for a new task's name (the task-name dialog); false when
// cancelled.
class TaskNamePrompt {
public:
    virtual ~TaskNamePrompt() = default;
    virtual bool AskTaskName(std::string& name) = 0;
};

// Asks for the name, creates the task, and leaves `job` attached to it with
// its creator and program set. Returns the name, or "" when the user
// cancelled or the scheduler refused the task.
std::string CreateScheduledTask(TaskNamePrompt& prompt, ScheduleDispatch& schedule,
                                JobDispatch& job, const std::string& appPath);

// Whether a task of that exact name exists (every creator counts).
bool TaskNameTaken(ScheduleDispatch& schedule, JobDispatch& job, const std::string& name);

}  // namespace shredder
