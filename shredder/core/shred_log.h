#pragma once
// "log.txt" in the program folder: what silent runs report instead of
// showing a box. Only ever appended to; opened and closed for each entry.
#include <string>

namespace shredder {

class ShredLog {
public:
    explicit ShredLog(std::string appPath = std::string()) : appPath_(std::move(appPath)) {}

    void SetFolder(const std::string& appPath) { appPath_ = appPath; }
    std::string Path() const;
    // "Task Name: <name>" and a line feed.
    bool WriteTaskName(const std::string& name) const;
    // The message and two line feeds.
    bool WriteLog(const std::string& message) const;

private:
    std::string appPath_;
};

}  // namespace shredder
