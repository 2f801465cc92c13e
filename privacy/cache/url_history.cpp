// Clearing the browser's history store through the system's URL history
// object, with the component system started for the call when the thread
// has not started it.
#include <windows.h>
#include <objbase.h>
#include <urlhist.h>

#include "platform/com/com_ptr.h"
#include "privacy/cache/url_cache.h"

namespace privacy {
namespace {

const CLSID kUrlHistoryClass = {0x3C374A40, 0xBAE4, 0x11CF, {0xBF, 0x7D, 0x00, 0xAA, 0x00, 0x69, 0x46, 0xEE}};
const IID kUrlHistoryStg2 = {0xAFA0DC11, 0xC313, 0x11D0, {0x83, 0x1A, 0x00, 0xC0, 0x4F, 0xD5, 0xAE, 0x38}};

// Starts the component system on this thread for one scope; a thread that
// runs it in another mode keeps it as it is.
class ComScope {
public:
    ComScope() : started_(SUCCEEDED(CoInitialize(nullptr))) {}
    ~ComScope() {
        if (started_) CoUninitialize();
    }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    bool started_;
};

}  // namespace

void ClearUrlHistory() {
    ComScope com;
    com::ComPtr<IUrlHistoryStg2> history;
    if (FAILED(CoCreateInstance(kUrlHistoryClass, nullptr, CLSCTX_INPROC_SERVER, kUrlHistoryStg2,
                                history.putVoid()))) {
        return;
    }
    history->ClearHistory();
}

}  // namespace privacy
