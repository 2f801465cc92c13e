#include "startup/app/quarrow_run.h"

#include "startup/core/settings.h"

namespace startup {
namespace {

// The named mutex that marks a running instance, closed with its owner.
class InstanceMutex {
public:
    explicit InstanceMutex(const char* name)
        : mutex_(CreateMutexA(nullptr, FALSE, name)),
          existed_(mutex_ && GetLastError() == ERROR_ALREADY_EXISTS) {}
    ~InstanceMutex() {
        if (mutex_) CloseHandle(mutex_);
    }
    InstanceMutex(const InstanceMutex&) = delete;
    InstanceMutex& operator=(const InstanceMutex&) = delete;
    bool AnotherRuns() const { return existed_; }

private:
    HANDLE mutex_;
    bool existed_;
};

}  // namespace

int RunQuarrow(const QuarrowSeams& seams, const char* instanceName) {
    InstanceMutex instance(instanceName);
    if (instance.AnotherRuns()) return 1;
    Language language(seams.programFolder);
    language.SetCurrentLanguageFile(ReadLanguageSetting());
    CMainForm form(seams, language);
    form.DoModal();
    return 0;
}

}  // namespace startup
