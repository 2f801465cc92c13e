#pragma once
// Job: one scheduled task (work item) of the platform.
#include <windows.h>
#include <mstask.h>

#include <string>

#include "platform/com/dispatch.h"
#include "scheduler/triggers.h"
#include "sundrave_h.h"

namespace sundrave {

// The platform's name of a task file: its file name less folder and ".job";
// "" for a file of any other kind.
std::wstring TaskNameOf(const std::wstring& fileName);

class Job : public com::Dispatch<_Job> {
public:
    // Takes the work item and builds its Triggers from it.
    HRESULT Attach(ITask* task);
    void SetName(const std::wstring& name) { name_ = name; }
    void SetFileName(const std::wstring& fileName) { fileName_ = fileName; }
    ITask* WorkItem() const { return task_.get(); }
    // The name the platform knows the task by: the stored name, or for a
    // job made by CreateTask the name of its own file less ".job".
    std::wstring TaskName();
    // Writes the triggers' records, then the work item (to its own file
    // when fileName is empty).
    HRESULT SaveTo(const wchar_t* fileName);

    STDMETHODIMP get_ApplicationName(BSTR* value) override;
    STDMETHODIMP put_ApplicationName(BSTR value) override;
    STDMETHODIMP get_CommandLine(BSTR* value) override;
    STDMETHODIMP put_CommandLine(BSTR value) override;
    STDMETHODIMP get_Comment(BSTR* value) override;
    STDMETHODIMP put_Comment(BSTR value) override;
    STDMETHODIMP get_Creator(BSTR* value) override;
    STDMETHODIMP put_Creator(BSTR value) override;
    STDMETHODIMP get_ErrorRetryCount(short* value) override;
    STDMETHODIMP put_ErrorRetryCount(short value) override;
    STDMETHODIMP get_ErrorRetryInterval(short* value) override;
    STDMETHODIMP put_ErrorRetryInterval(short value) override;
    STDMETHODIMP get_ExitCode(LONG* value) override;
    STDMETHODIMP get_Flags(saTaskFlags* value) override;
    STDMETHODIMP put_Flags(saTaskFlags value) override;
    STDMETHODIMP get_IdleWait(short* value) override;
    STDMETHODIMP put_IdleWait(short value) override;
    STDMETHODIMP get_MaxRunTime(LONG* value) override;
    STDMETHODIMP put_MaxRunTime(LONG value) override;
    STDMETHODIMP get_Priority(LONG* value) override;
    STDMETHODIMP put_Priority(LONG value) override;
    STDMETHODIMP get_Status(LONG* value) override;
    STDMETHODIMP Edit(IDispatch* parent) override;
    STDMETHODIMP Run() override;
    STDMETHODIMP Terminate() override;
    STDMETHODIMP get_LastRunTime(DATE* value) override;
    STDMETHODIMP get_NextRunTime(DATE* value) override;
    STDMETHODIMP get_FileName(BSTR* value) override;
    STDMETHODIMP get_Name(BSTR* value) override;
    STDMETHODIMP Save(BSTR fileName) override;
    STDMETHODIMP ShowProperties() override;
    STDMETHODIMP get_WorkingDirectory(BSTR* value) override;
    STDMETHODIMP put_WorkingDirectory(BSTR value) override;
    STDMETHODIMP get_Triggers(_Triggers** value) override;

private:
    template <class I>
    HRESULT ReadText(HRESULT (STDMETHODCALLTYPE I::*get)(LPWSTR*), BSTR* value);
    template <class I>
    HRESULT WriteText(HRESULT (STDMETHODCALLTYPE I::*set)(LPCWSTR), BSTR value);
    template <class I, class T, class Out>
    HRESULT ReadNumber(HRESULT (STDMETHODCALLTYPE I::*get)(T*), Out* value);
    HRESULT ReadRunTime(HRESULT (STDMETHODCALLTYPE IScheduledWorkItem::*get)(SYSTEMTIME*),
                        DATE* value);
    HRESULT Result(HRESULT hr) { return FAILED(hr) ? Fail(hr) : S_OK; }

    com::ComPtr<ITask> task_;
    std::wstring name_;
    std::wstring fileName_;
    com::ComPtr<Triggers> triggers_;
};

}  // namespace sundrave
