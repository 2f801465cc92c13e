#pragma once
// State of the one in-process server in this module: its instance handle,
// the count of live objects and of client locks behind DllCanUnloadNow, and
// the type library embedded in its resources.
#include <windows.h>
#include <oaidl.h>
#include <string>

namespace com {

namespace module {

// Called from DllMain on process attach.
void SetInstance(HINSTANCE instance);
HINSTANCE Instance();
// Full path of this module's file.
std::string Path();
// The file name without folder and extension, used as the source of errors.
std::string Name();

void ObjectCreated();
void ObjectDestroyed();
void Lock();
void Unlock();
long ObjectCount();
// S_OK when no object is alive and no client holds a lock, else S_FALSE.
HRESULT CanUnloadNow();

// Type information of an interface described by the module's type library
// (resource TYPELIB 1), loaded on first use.
HRESULT TypeInfo(REFIID iid, ITypeInfo** out);

}  // namespace module

}  // namespace com
