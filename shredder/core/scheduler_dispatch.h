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
    std::string GetCommandLine();
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

// The scheduler's tasks by 1-based position, as the Scheduler page and
// the task-name check see them. Deleting a task moves the later ones down.
class ScheduledTasks {
public:
    virtual ~ScheduledTasks() = default;
    // False when the scheduler's tasks could not be read (none is then
    // listed).
    virtual bool Refresh() = 0;
    virtual long Count() = 0;
    virtual std::string Name(long position) = 0;
    virtual std::string Creator(long position) = 0;
    virtual void Run(long position) = 0;
    // The platform's own property sheet of the task.
    virtual void ShowProperties(long position) = 0;
    virtual void Delete(long position) = 0;
    virtual std::string CommandLine(long position) = 0;
    // The task keeps the new line (it is saved at once). False when the
    // line could not be set or the task not saved: the task then runs as
    // it last was saved.
    virtual bool SetCommandLine(long position, const std::string& line) = 0;
};

// The tasks through the scheduler library: the shared job driver is
// attached to each task a call is about.
class DispatchTasks : public ScheduledTasks {
public:
    DispatchTasks(ScheduleDispatch& schedule, JobDispatch& job) : schedule_(schedule), job_(job) {}

    bool Refresh() override { return SUCCEEDED(schedule_.Refresh()); }
    long Count() override { return schedule_.GetCount(); }
    std::string Name(long position) override;
    std::string Creator(long position) override;
    void Run(long position) override;
    void ShowProperties(long position) override;
    void Delete(long position) override;
    std::string CommandLine(long position) override;
    bool SetCommandLine(long position, const std::string& line) override;

private:
    JobDispatch& Job(long position);

    ScheduleDispatch& schedule_;
    JobDispatch& job_;
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

// Whether a task of that name exists, whoever made it. Letter case does
// not count: the task files' names ignore it, so a case variant would
// replace the other task.
bool TaskNameTaken(ScheduledTasks& tasks, const std::string& name);
bool TaskNameTaken(ScheduleDispatch& schedule, JobDispatch& job, const std::string& name);

// A name can be a task's file name and sits quoted in the command line:
// none of \ / : * ? " < > | (a quote would end the task name early and
// make the rest an item to shred).
bool IsValidTaskName(const std::string& name);

}  // namespace shredder
