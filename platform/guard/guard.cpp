#include "platform/guard/guard.h"

#include <windows.h>

#include <string>

namespace guard {
namespace {

void DebuggerReporter(const char* where, const char* what) {
    std::string line = std::string("Velmora: exception stopped at ") + where + ": " + what + "\n";
    OutputDebugStringA(line.c_str());
}

Reporter g_reporter = DebuggerReporter;

}  // namespace

void SetReporter(Reporter reporter) { g_reporter = reporter ? reporter : DebuggerReporter; }

void Report(const char* where, const char* what) {
    // A reporter that throws must not defeat the firewall it serves.
    try {
        g_reporter(where ? where : "?", what ? what : "?");
    } catch (...) {
    }
}

}  // namespace guard
