#include "scheduler/job.h"

#include <wchar.h>

#include "platform/com/bstr.h"
#include "platform/com/text.h"
#include "platform/guard/guard.h"

namespace sundrave {
namespace {

const wchar_t kJobExtension[] = L".job";
const WORD kDefaultIdleDeadline = 60;

// The runtime's comparison: Windows 9x only pretends to have lstrcmpiW.
bool EndsWithJob(const std::wstring& name) {
    const size_t length = sizeof kJobExtension / sizeof kJobExtension[0] - 1;
    return name.size() > length &&
           _wcsicmp(name.c_str() + name.size() - length, kJobExtension) == 0;
}

}  // namespace

std::wstring TaskNameOf(const std::wstring& fileName) {
    size_t slash = fileName.find_last_of(L"\\/");
    std::wstring name = slash == std::wstring::npos ? fileName : fileName.substr(slash + 1);
    if (!EndsWithJob(name)) return std::wstring();
    return name.substr(0, name.size() - (sizeof kJobExtension / sizeof kJobExtension[0] - 1));
}

HRESULT Job::Attach(ITask* task) {
    task_ = com::ComPtr<ITask>(task);
    triggers_ = com::MakeObject<Triggers>();
    if (!triggers_) return E_OUTOFMEMORY;
    return triggers_->Attach(task);
}

std::wstring Job::TaskName() {
    if (!name_.empty()) return name_;
    com::ComPtr<IPersistFile> file;
    LPOLESTR path = nullptr;
    if (FAILED(file.queryFrom(task_.get(), IID_IPersistFile)) || FAILED(file->GetCurFile(&path)))
        return std::wstring();
    return TaskNameOf(com::TakeTaskMemString(path));
}

HRESULT Job::SaveTo(const wchar_t* fileName) {
    HRESULT hr = triggers_->UpdateAll();
    if (FAILED(hr)) return hr;
    com::ComPtr<IPersistFile> file;
    hr = file.queryFrom(task_.get(), IID_IPersistFile);
    if (FAILED(hr)) return Fail(hr);
    hr = file->Save(fileName && *fileName ? fileName : nullptr, FALSE);
    return FAILED(hr) ? Fail(hr) : S_OK;
}

template <class I>
HRESULT Job::ReadText(HRESULT (STDMETHODCALLTYPE I::*get)(LPWSTR*), BSTR* value) {
    if (!value) return E_POINTER;
    *value = nullptr;
    LPWSTR text = nullptr;
    HRESULT hr = (task_.get()->*get)(&text);
    if (FAILED(hr)) return Fail(hr);
    return com::ReturnString(com::TakeTaskMemString(text), value);
}

template <class I>
HRESULT Job::WriteText(HRESULT (STDMETHODCALLTYPE I::*set)(LPCWSTR), BSTR value) {
    return Result((task_.get()->*set)(value ? value : L""));
}

template <class I, class T, class Out>
HRESULT Job::ReadNumber(HRESULT (STDMETHODCALLTYPE I::*get)(T*), Out* value) {
    if (!value) return E_POINTER;
    T number = T();
    HRESULT hr = (task_.get()->*get)(&number);
    *value = static_cast<Out>(number);
    return Result(hr);
}

// The platform answers with a success code and an all-zero time when the
// task never ran or has no trigger: those read as date 0.
HRESULT Job::ReadRunTime(HRESULT (STDMETHODCALLTYPE IScheduledWorkItem::*get)(SYSTEMTIME*),
                         DATE* value) {
    if (!value) return E_POINTER;
    *value = 0;
    SYSTEMTIME time = {};
    HRESULT hr = (task_.get()->*get)(&time);
    if (FAILED(hr)) return Fail(hr);
    if (hr == S_OK && !SystemTimeToVariantTime(&time, value)) *value = 0;
    return S_OK;
}

STDMETHODIMP Job::get_ApplicationName(BSTR* value) {
    return guard::Call("Job::get_ApplicationName", E_UNEXPECTED, [&]() -> HRESULT {
        return ReadText(&ITask::GetApplicationName, value);
    });
}

STDMETHODIMP Job::put_ApplicationName(BSTR value) {
    return guard::Call("Job::put_ApplicationName", E_UNEXPECTED, [&]() -> HRESULT {
        return WriteText(&ITask::SetApplicationName, value);
    });
}

STDMETHODIMP Job::get_CommandLine(BSTR* value) {
    return guard::Call("Job::get_CommandLine", E_UNEXPECTED, [&]() -> HRESULT {
        return ReadText(&ITask::GetParameters, value);
    });
}

STDMETHODIMP Job::put_CommandLine(BSTR value) {
    return guard::Call("Job::put_CommandLine", E_UNEXPECTED, [&]() -> HRESULT {
        return WriteText(&ITask::SetParameters, value);
    });
}

STDMETHODIMP Job::get_Comment(BSTR* value) {
    return guard::Call("Job::get_Comment", E_UNEXPECTED, [&]() -> HRESULT {
        return ReadText(&IScheduledWorkItem::GetComment, value);
    });
}

STDMETHODIMP Job::put_Comment(BSTR value) {
    return guard::Call("Job::put_Comment", E_UNEXPECTED, [&]() -> HRESULT {
        return WriteText(&IScheduledWorkItem::SetComment, value);
    });
}

STDMETHODIMP Job::get_Creator(BSTR* value) {
    return guard::Call("Job::get_Creator", E_UNEXPECTED, [&]() -> HRESULT {
        return ReadText(&IScheduledWorkItem::GetCreator, value);
    });
}

STDMETHODIMP Job::put_Creator(BSTR value) {
    return guard::Call("Job::put_Creator", E_UNEXPECTED, [&]() -> HRESULT {
        return WriteText(&IScheduledWorkItem::SetCreator, value);
    });
}

STDMETHODIMP Job::get_WorkingDirectory(BSTR* value) {
    return guard::Call("Job::get_WorkingDirectory", E_UNEXPECTED, [&]() -> HRESULT {
        return ReadText(&ITask::GetWorkingDirectory, value);
    });
}

STDMETHODIMP Job::put_WorkingDirectory(BSTR value) {
    return guard::Call("Job::put_WorkingDirectory", E_UNEXPECTED, [&]() -> HRESULT {
        return WriteText(&ITask::SetWorkingDirectory, value);
    });
}

STDMETHODIMP Job::get_ErrorRetryCount(short* value) {
    return guard::Call("Job::get_ErrorRetryCount", E_UNEXPECTED, [&]() -> HRESULT {
        return ReadNumber(&IScheduledWorkItem::GetErrorRetryCount, value);
    });
}

STDMETHODIMP Job::put_ErrorRetryCount(short value) {
    return guard::Call("Job::put_ErrorRetryCount", E_UNEXPECTED, [&]() -> HRESULT {
        return Result(task_->SetErrorRetryCount(static_cast<WORD>(value)));
    });
}

STDMETHODIMP Job::get_ErrorRetryInterval(short* value) {
    return guard::Call("Job::get_ErrorRetryInterval", E_UNEXPECTED, [&]() -> HRESULT {
        return ReadNumber(&IScheduledWorkItem::GetErrorRetryInterval, value);
    });
}

STDMETHODIMP Job::put_ErrorRetryInterval(short value) {
    return guard::Call("Job::put_ErrorRetryInterval", E_UNEXPECTED, [&]() -> HRESULT {
        return Result(task_->SetErrorRetryInterval(static_cast<WORD>(value)));
    });
}

STDMETHODIMP Job::get_ExitCode(LONG* value) {
    return guard::Call("Job::get_ExitCode", E_UNEXPECTED, [&]() -> HRESULT {
        return ReadNumber(&IScheduledWorkItem::GetExitCode, value);
    });
}

STDMETHODIMP Job::get_Flags(saTaskFlags* value) {
    return guard::Call("Job::get_Flags", E_UNEXPECTED, [&]() -> HRESULT {
        return ReadNumber(&IScheduledWorkItem::GetFlags, value);
    });
}

STDMETHODIMP Job::put_Flags(saTaskFlags value) {
    return guard::Call("Job::put_Flags", E_UNEXPECTED, [&]() -> HRESULT {
        return Result(task_->SetFlags(static_cast<DWORD>(value)));
    });
}

STDMETHODIMP Job::get_IdleWait(short* value) {
    return guard::Call("Job::get_IdleWait", E_UNEXPECTED, [&]() -> HRESULT {
        if (!value) return E_POINTER;
        WORD idle = 0, deadline = 0;
        HRESULT hr = task_->GetIdleWait(&idle, &deadline);
        *value = static_cast<short>(idle);
        return Result(hr);
    });
}
// Only the idle minutes change: the deadline stays what the task has.
STDMETHODIMP Job::put_IdleWait(short value) {
    return guard::Call("Job::put_IdleWait", E_UNEXPECTED, [&]() -> HRESULT {
        WORD idle = 0, deadline = 0;
        if (FAILED(task_->GetIdleWait(&idle, &deadline))) deadline = kDefaultIdleDeadline;
        return Result(task_->SetIdleWait(static_cast<WORD>(value), deadline));
    });
}

STDMETHODIMP Job::get_MaxRunTime(LONG* value) {
    return guard::Call("Job::get_MaxRunTime", E_UNEXPECTED, [&]() -> HRESULT {
        return ReadNumber(&ITask::GetMaxRunTime, value);
    });
}

STDMETHODIMP Job::put_MaxRunTime(LONG value) {
    return guard::Call("Job::put_MaxRunTime", E_UNEXPECTED, [&]() -> HRESULT {
        return Result(task_->SetMaxRunTime(static_cast<DWORD>(value)));
    });
}

STDMETHODIMP Job::get_Priority(LONG* value) {
    return guard::Call("Job::get_Priority", E_UNEXPECTED, [&]() -> HRESULT {
        return ReadNumber(&ITask::GetPriority, value);
    });
}

STDMETHODIMP Job::put_Priority(LONG value) {
    return guard::Call("Job::put_Priority", E_UNEXPECTED, [&]() -> HRESULT {
        return Result(task_->SetPriority(static_cast<DWORD>(value)));
    });
}

STDMETHODIMP Job::get_Status(LONG* value) {
    return guard::Call("Job::get_Status", E_UNEXPECTED, [&]() -> HRESULT {
        return ReadNumber(&IScheduledWorkItem::GetStatus, value);
    });
}

STDMETHODIMP Job::Edit(IDispatch*) {
    return guard::Call("Job::Edit", E_UNEXPECTED, [&]() -> HRESULT {
        return ShowProperties();
    });
}

STDMETHODIMP Job::ShowProperties() {
    return guard::Call("Job::ShowProperties", E_UNEXPECTED, [&]() -> HRESULT {
        return Result(task_->EditWorkItem(nullptr, 0));
    });
}

STDMETHODIMP Job::Run() {
    return guard::Call("Job::Run", E_UNEXPECTED, [&]() -> HRESULT {
        return Result(task_->Run());
    });
}

STDMETHODIMP Job::Terminate() {
    return guard::Call("Job::Terminate", E_UNEXPECTED, [&]() -> HRESULT {
        return Result(task_->Terminate());
    });
}

STDMETHODIMP Job::get_LastRunTime(DATE* value) {
    return guard::Call("Job::get_LastRunTime", E_UNEXPECTED, [&]() -> HRESULT {
        return ReadRunTime(&IScheduledWorkItem::GetMostRecentRunTime, value);
    });
}

STDMETHODIMP Job::get_NextRunTime(DATE* value) {
    return guard::Call("Job::get_NextRunTime", E_UNEXPECTED, [&]() -> HRESULT {
        return ReadRunTime(&IScheduledWorkItem::GetNextRunTime, value);
    });
}

STDMETHODIMP Job::get_FileName(BSTR* value) {
    return guard::Call("Job::get_FileName", E_UNEXPECTED, [&]() -> HRESULT {
        if (!value) return E_POINTER;
        *value = nullptr;
        com::ComPtr<IPersistFile> file;
        HRESULT hr = file.queryFrom(task_.get(), IID_IPersistFile);
        LPOLESTR path = nullptr;
        if (SUCCEEDED(hr)) hr = file->GetCurFile(&path);
        if (FAILED(hr)) return Fail(hr);
        return com::ReturnString(com::TakeTaskMemString(path), value);
    });
}

STDMETHODIMP Job::get_Name(BSTR* value) {
    return guard::Call("Job::get_Name", E_UNEXPECTED, [&]() -> HRESULT {
        return com::ReturnString(name_, value);
    });
}

STDMETHODIMP Job::Save(BSTR fileName) {
    return guard::Call("Job::Save", E_UNEXPECTED, [&]() -> HRESULT {
        return SaveTo(fileName);
    });
}

STDMETHODIMP Job::get_Triggers(_Triggers** value) {
    return guard::Call("Job::get_Triggers", E_UNEXPECTED, [&]() -> HRESULT {
        if (!value) return E_POINTER;
        *value = triggers_.get();
        if (*value) (*value)->AddRef();
        return S_OK;
    });
}

}  // namespace sundrave
