// Entry points of Sundrave.dll: one creatable class, Schedule, described by
// the TaskScheduler type library in the DLL's resources.
#include <windows.h>
#include <olectl.h>

#include "platform/com/class_factory.h"
#include "platform/com/module.h"
#include "platform/com/registration.h"
#include "scheduler/schedule.h"

namespace {

const com::ClassEntry kClasses[] = {
    {&CLSID_Schedule, &com::CreateInstance<sundrave::Schedule>},
};

com::ServerClass ScheduleClass() {
    com::ServerClass cls;
    cls.clsid = &CLSID_Schedule;
    cls.description = "TaskScheduler.Schedule";
    cls.progId = "TaskScheduler.Schedule";
    cls.threadingModel = "Apartment";
    cls.typeLib = &LIBID_TaskScheduler;
    cls.typeLibVersion = "1.0";
    return cls;
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    // Thread calls stay on: the DLL's entry frees the runtime's per-thread
    // data of each thread that ends (platform/runtime/dll_start.cpp).
    if (reason == DLL_PROCESS_ATTACH) com::module::SetInstance(instance);
    return TRUE;
}

STDAPI DllCanUnloadNow() { return com::module::CanUnloadNow(); }

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
    return com::GetClassObject(kClasses, clsid, iid, out);
}

STDAPI DllUnregisterServer() {
    HRESULT classResult = com::UnregisterServerClass(ScheduleClass());
    HRESULT libraryResult = com::UnregisterModuleTypeLib();
    return FAILED(classResult) ? classResult : libraryResult;
}

STDAPI DllRegisterServer() {
    HRESULT hr = com::RegisterServerClass(ScheduleClass());
    if (SUCCEEDED(hr)) hr = com::RegisterModuleTypeLib();
    // Whole or nothing: a class without its type library would pass the
    // shredder's start-up check and fail at its first call.
    if (FAILED(hr)) DllUnregisterServer();
    return hr;
}
