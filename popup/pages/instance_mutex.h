#pragma once
// The program's single-instance mutex as the Options page re-creates it.
#include <string>

class InstanceMutex {
public:
    virtual ~InstanceMutex() = default;
    virtual std::string Name() const = 0;
    // Holds a new mutex of `name` in place of the current one; false when
    // another process already holds that name (the current one is kept).
    virtual bool Recreate(const std::string& name) = 0;
};
