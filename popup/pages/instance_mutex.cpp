#include "popup/pages/instance_mutex.h"

#include "popup/core/instance_mutex.h"

bool ProgramInstanceMutex::Recreate(const std::string& name) {
    name_ = name;
    return mutex_.Acquire(name);
}
