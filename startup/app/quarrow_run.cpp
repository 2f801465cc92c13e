#include "startup/app/quarrow_run.h"

#include "platform/sync/sync.h"
#include "startup/core/settings.h"

namespace startup {

int RunQuarrow(const QuarrowSeams& seams, const char* instanceName) {
    sync::InstanceMutex instance;
    if (!instance.Take(instanceName)) return 1;
    Language language(seams.programFolder);
    language.SetCurrentLanguageFile(ReadLanguageSetting());
    CMainForm form(seams, language);
    form.DoModal();
    return 0;
}

}  // namespace startup
