#include "popup/pages/instance_mutex.h"

#include "platform/sync/sync.h"

namespace popup {

std::string ProgramInstanceMutex::Name() const { return mutex_.Name(); }

bool ProgramInstanceMutex::Recreate(const std::string& name) { return mutex_.Take(name); }

}  // namespace popup
