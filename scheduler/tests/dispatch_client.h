#pragma once
// Late-bound calls by dispatch id, the way the suite's client makes them.
#include <windows.h>
#include <oaidl.h>

#include <string>
#include <vector>

#include "platform/com/com_ptr.h"
#include "platform/com/variant.h"

namespace sundrave_test {

struct Outcome {
    HRESULT hr = E_FAIL;
    com::Variant value;
    HRESULT code = S_OK;       // EXCEPINFO scode when hr is DISP_E_EXCEPTION
    std::string description;  // EXCEPINFO description

    bool ok() const { return hr == S_OK; }
    // The raised code of a failed call (DISP_E_EXCEPTION), else hr.
    HRESULT error() const { return hr == DISP_E_EXCEPTION ? code : hr; }
    std::wstring text() const;
    long number() const;
    double date() const;
    com::ComPtr<IDispatch> object() const;
};

// Arguments in the order the member declares them.
Outcome Get(IDispatch* object, DISPID id, std::vector<com::Variant> args = {});
Outcome Put(IDispatch* object, DISPID id, const com::Variant& value);
Outcome Method(IDispatch* object, DISPID id, std::vector<com::Variant> args = {});

com::Variant Text(const std::wstring& text);
com::Variant Short(short value);
com::Variant Long(long value);
com::Variant Date(double value);

}  // namespace sundrave_test
