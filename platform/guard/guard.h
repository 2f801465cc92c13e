#pragma once
// The exception firewall. Every place where the system calls into our code
// (window and dialog procedures, property-sheet callbacks, thread routines,
// COM methods) runs its body through guard::Call or guard::Run, so no C++
// exception ever unwinds into system frames. What is caught is reported in
// one place and the boundary returns its fallback.
#include <exception>
#include <utility>

namespace guard {

// Receives the boundary's name and the exception's text. The default writes
// one line to the debugger output; tests install their own. Not thread-safe
// to change while boundaries run: set it once at start-up.
using Reporter = void (*)(const char* where, const char* what);
void SetReporter(Reporter reporter);
void Report(const char* where, const char* what);

template <class R, class F>
R Call(const char* where, R fallback, F&& body) noexcept {
    try {
        return std::forward<F>(body)();
    } catch (const std::exception& e) {
        Report(where, e.what());
    } catch (...) {
        Report(where, "unknown exception");
    }
    return fallback;
}

template <class F>
void Run(const char* where, F&& body) noexcept {
    Call(where, 0, [&] {
        std::forward<F>(body)();
        return 0;
    });
}

}  // namespace guard
