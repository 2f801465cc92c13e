#pragma once
// Late-bound calls on an automation object by dispatch id. Every call
// answers with its HRESULT; nothing throws. A driver without an object
// does nothing and answers OLE_E_BLANK.
#include <windows.h>
#include <oaidl.h>
#include <initializer_list>
#include <string>

#include "platform/com/variant.h"

namespace ui {

// One argument of a call: text (passed as a BSTR), 16-bit or 32-bit integer,
// or an object.
class DispatchArg {
public:
    DispatchArg(const std::string& text);
    DispatchArg(const char* text);
    DispatchArg(short value);
    DispatchArg(long value);
    DispatchArg(IDispatch* object);
    ~DispatchArg();
    DispatchArg(const DispatchArg&) = delete;
    DispatchArg& operator=(const DispatchArg&) = delete;

    VARIANT& Value() const { return value_; }

private:
    mutable VARIANT value_;
};


class DispatchDriver {
public:
    DispatchDriver() = default;
    ~DispatchDriver() { ReleaseDispatch(); }
    DispatchDriver(const DispatchDriver&) = delete;
    DispatchDriver& operator=(const DispatchDriver&) = delete;

    // Creates the object of a ProgID ("Library.Class"), releasing the previous one.
    HRESULT CreateDispatch(const std::string& progId);
    // Takes the object, releasing the previous one; with autoRelease the
    // driver releases it in turn.
    void AttachDispatch(IDispatch* object, bool autoRelease = true);
    // Gives up the object without releasing it.
    IDispatch* DetachDispatch();
    void ReleaseDispatch();
    IDispatch* Get() const { return object_; }

    HRESULT InvokeMethod(DISPID id, std::initializer_list<DispatchArg> args = {},
                         com::Variant* result = nullptr);
    HRESULT GetProperty(DISPID id, com::Variant& result, std::initializer_list<DispatchArg> args = {});
    HRESULT SetProperty(DISPID id, const DispatchArg& value);

private:
    HRESULT Invoke(DISPID id, WORD flags, std::initializer_list<DispatchArg> args, com::Variant* result);
    HRESULT Call(DISPID id, WORD flags, DISPPARAMS& params, VARIANT* result);

    IDispatch* object_ = nullptr;
    bool autoRelease_ = false;
};

}  // namespace ui
