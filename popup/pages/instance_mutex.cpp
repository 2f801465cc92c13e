#include "popup/pages/instance_mutex.h"

#include "popup/core/instance_mutex.h"

namespace popup {

bool ProgramInstanceMutex::Recreate(const std::string& name) {
    name_ = name;
    return mutex_.Acquire(name);
}

}  // namespace popup
