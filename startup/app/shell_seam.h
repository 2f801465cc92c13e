#pragma once
// What the windows ask of the shell: start a program, open a document,
// let the user pick a file. The program uses the system's; tests answer
// themselves.
#include <windows.h>

#include <string>

namespace startup {

class Shell {
public:
    virtual ~Shell() = default;
    // Starts a command line in a normal window; false when it did not start.
    virtual bool Run(const std::string& commandLine) = 0;
    // Opens a document with its program through the shell's open action.
    virtual void Open(const std::string& file, const std::string& folder) = 0;
    // A file dialog; `filter` is "Name|pattern|Name|pattern". "" when cancelled.
    virtual std::string PickFile(HWND owner, bool save, const std::string& filter,
                                 const char* defaultExtension) = 0;
};

class SystemShell : public Shell {
public:
    bool Run(const std::string& commandLine) override;
    void Open(const std::string& file, const std::string& folder) override;
    std::string PickFile(HWND owner, bool save, const std::string& filter,
                         const char* defaultExtension) override;
};

}  // namespace startup
