#include "shredder/core/shred_log.h"

#include "common/files/file_writes.h"
#include "common/suite/scourwell.h"

namespace shredder {

std::string ShredLog::Path() const { return appPath_ + "\\" + suite::scourwell::kLogFile; }

bool ShredLog::WriteTaskName(const std::string& name) const {
    return files::AppendToFile(Path(), "Task Name: " + name + "\n");
}

bool ShredLog::WriteLog(const std::string& message) const {
    return files::AppendToFile(Path(), message + "\n\n");
}

}  // namespace shredder
