#include "shredder/core/scheduler_dispatch.h"

#include "common/suite/scourwell.h"

namespace shredder {

namespace {

constexpr DISPID kApplicationName = 0x68030012;
constexpr DISPID kCommandLine = 0x68030011;
constexpr DISPID kCreator = 0x6803000F;
constexpr DISPID kRun = 0x60030014;
constexpr DISPID kName = 0x68030003;
constexpr DISPID kSave = 0x60030016;
constexpr DISPID kShowProperties = 0x60030017;
constexpr DISPID kCreateTask = 0x60030002;
constexpr DISPID kRefresh = 0x60030003;
constexpr DISPID kDelete = 0x60030004;
constexpr DISPID kJob = 0;
constexpr DISPID kCount = 0x68030000;

std::string GetText(ui::DispatchDriver& driver, DISPID id) {
    com::Variant result;
    if (FAILED(driver.GetProperty(id, result))) return std::string();
    return result.AsString();
}

}  // namespace

HRESULT JobDispatch::SetApplicationName(const std::string& name) {
    return driver_.SetProperty(kApplicationName, name);
}
HRESULT JobDispatch::SetCommandLine(const std::string& line) {
    return driver_.SetProperty(kCommandLine, line);
}
std::string JobDispatch::GetCommandLine() { return GetText(driver_, kCommandLine); }
std::string JobDispatch::GetCreator() { return GetText(driver_, kCreator); }
HRESULT JobDispatch::SetCreator(const std::string& creator) {
    return driver_.SetProperty(kCreator, creator);
}
HRESULT JobDispatch::Run() { return driver_.InvokeMethod(kRun); }
std::string JobDispatch::GetName() { return GetText(driver_, kName); }
HRESULT JobDispatch::Save(const std::string& file) { return driver_.InvokeMethod(kSave, {file}); }
HRESULT JobDispatch::ShowProperties() { return driver_.InvokeMethod(kShowProperties); }

IDispatch* ScheduleDispatch::CreateTask(const std::string& name) {
    com::Variant result;
    if (FAILED(driver_.InvokeMethod(kCreateTask, {name}, &result))) return nullptr;
    return result.TakeDispatch();
}
HRESULT ScheduleDispatch::Refresh() { return driver_.InvokeMethod(kRefresh); }
HRESULT ScheduleDispatch::Delete(short position) {
    return driver_.InvokeMethod(kDelete, {position});
}
IDispatch* ScheduleDispatch::GetJob(short position) {
    com::Variant result;
    if (FAILED(driver_.GetProperty(kJob, result, {position}))) return nullptr;
    return result.TakeDispatch();
}
long ScheduleDispatch::GetCount() {
    com::Variant result;
    if (FAILED(driver_.GetProperty(kCount, result))) return 0;
    return result.AsLong();
}

JobDispatch& DispatchTasks::Job(long position) {
    job_.Attach(position >= 1 && position <= 0x7FFF ? schedule_.GetJob(static_cast<short>(position))
                                                    : nullptr);
    return job_;
}

std::string DispatchTasks::Name(long position) { return Job(position).GetName(); }
std::string DispatchTasks::Creator(long position) { return Job(position).GetCreator(); }
void DispatchTasks::Run(long position) { Job(position).Run(); }
void DispatchTasks::ShowProperties(long position) { Job(position).ShowProperties(); }

std::string DispatchTasks::CommandLine(long position) { return Job(position).GetCommandLine(); }

bool DispatchTasks::SetCommandLine(long position, const std::string& line) {
    JobDispatch& job = Job(position);
    return SUCCEEDED(job.SetCommandLine(line)) && SUCCEEDED(job.Save());
}

void DispatchTasks::Delete(long position) {
    if (position >= 1 && position <= 0x7FFF) schedule_.Delete(static_cast<short>(position));
}

bool TaskNameTaken(ScheduledTasks& tasks, const std::string& name) {
    tasks.Refresh();
    const long count = tasks.Count();
    for (long i = 1; i <= count; ++i) {
        if (lstrcmpiA(tasks.Name(i).c_str(), name.c_str()) == 0) return true;
    }
    return false;
}

bool TaskNameTaken(ScheduleDispatch& schedule, JobDispatch& job, const std::string& name) {
    DispatchTasks tasks(schedule, job);
    return TaskNameTaken(tasks, name);
}

bool IsValidTaskName(const std::string& name) {
    return !name.empty() && name.find_first_of("\\/:*?\"<>|") == std::string::npos;
}

std::string CreateScheduledTask(TaskNamePrompt& prompt, ScheduleDispatch& schedule,
                                JobDispatch& job, const std::string& appPath) {
    std::string name;
    if (!prompt.AskTaskName(name)) return std::string();
    IDispatch* created = schedule.CreateTask(name);
    // Attached even when creation failed: the driver is then empty, so no
    // later write reaches the task it held before.
    job.Attach(created);
    if (!created) return std::string();
    job.SetCreator(suite::scourwell::kTaskCreator);
    job.SetApplicationName(appPath + "\\" + suite::scourwell::kProgramFile);
    return name;
}

}  // namespace shredder
