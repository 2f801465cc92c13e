#include "popup/pages/instance_mutex.h"

#include "platform/sync/sync.h"

namespace popup {

bool ProgramInstanceMutex::Recreate(const std::string& name) {
    name_ = name;
    return mutex_.Take(name);
}

}  // namespace popup
