#pragma once
// The program's error log, <program folder>\errorlog.txt: dated records
// appended, never emptied by the program.
#include <string>

namespace startup {

// Appends one record; a log that cannot be written is passed over.
void WriteErrorLog(const std::string& programFolder, const std::string& message);

}  // namespace startup
