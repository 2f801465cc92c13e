#pragma once
// The program's single-instance mutex as the Options page sees it, and the
// program's own one over sync::InstanceMutex.
#include <string>

namespace sync {
class InstanceMutex;
}

namespace popup {

class InstanceMutex {
public:
    virtual ~InstanceMutex() = default;
    virtual std::string Name() const = 0;
    // Holds a new mutex of `name` in place of the current one; false when
    // another process already holds that name (none is held then).
    virtual bool Recreate(const std::string& name) = 0;
};

// The mutex start-up took.
class ProgramInstanceMutex : public InstanceMutex {
public:
    explicit ProgramInstanceMutex(sync::InstanceMutex& mutex) : mutex_(mutex) {}
    std::string Name() const override;
    bool Recreate(const std::string& name) override;

private:
    sync::InstanceMutex& mutex_;
};

}  // namespace popup
