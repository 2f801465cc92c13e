#pragma once
// The one-interactive-instance rule: a named mutex, owned while the program
// runs. Its name is the program caption, so it follows the language.
#include <windows.h>

#include <string>

namespace shredder {

class InstanceMutex {
public:
    InstanceMutex() = default;
    ~InstanceMutex() { Release(); }
    InstanceMutex(const InstanceMutex&) = delete;
    InstanceMutex& operator=(const InstanceMutex&) = delete;

    // Drops the held name and takes `name`. False when another process
    // holds it (or it names an object of another kind): then none is held.
    bool Take(const std::string& name);
    void Release();
    bool Held() const { return handle_ != nullptr; }

private:
    HANDLE handle_ = nullptr;
};

}  // namespace shredder
