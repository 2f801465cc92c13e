#pragma once
// Errors raised to automation clients: the code comes back from the call,
// the text through the thread's error object (ISupportErrorInfo).
#include <windows.h>

#include <string>

namespace com {

// Sets the thread's error object (description text, interface, the module
// as source) and returns code, so a method can end with
// "return RaiseError(...)".
HRESULT RaiseError(HRESULT code, const std::string& text, REFIID iid);

// The same with the system's text for code ("Error 0x80070002" when the
// system has none).
HRESULT RaiseSystemError(HRESULT code, REFIID iid);

}  // namespace com
