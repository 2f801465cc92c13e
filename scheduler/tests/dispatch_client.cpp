#include "scheduler/tests/dispatch_client.h"

#include <algorithm>

#include "platform/com/text.h"

namespace sundrave_test {
namespace {

Outcome Call(IDispatch* object, DISPID id, WORD flags, std::vector<com::Variant> args,
             bool put) {
    std::reverse(args.begin(), args.end());
    std::vector<VARIANT> raw;
    for (const com::Variant& arg : args) raw.push_back(arg.get());
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params = {};
    params.rgvarg = raw.empty() ? nullptr : raw.data();
    params.cArgs = static_cast<UINT>(raw.size());
    if (put) {
        params.rgdispidNamedArgs = &named;
        params.cNamedArgs = 1;
    }
    Outcome outcome;
    EXCEPINFO exception = {};
    UINT argError = 0;
    outcome.hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params,
                                put ? nullptr : outcome.value.put(), &exception, &argError);
    if (outcome.hr == DISP_E_EXCEPTION) {
        outcome.code = exception.scode;
        outcome.description = com::Narrow(exception.bstrDescription);
    }
    SysFreeString(exception.bstrSource);
    SysFreeString(exception.bstrDescription);
    SysFreeString(exception.bstrHelpFile);
    return outcome;
}

com::Variant Converted(const com::Variant& value, VARTYPE type) {
    com::Variant result;
    VariantChangeType(result.put(), const_cast<VARIANT*>(&value.get()), 0, type);
    return result;
}

}  // namespace

std::wstring Outcome::text() const {
    com::Variant converted = Converted(value, VT_BSTR);
    const VARIANT& v = converted.get();
    return V_VT(&v) == VT_BSTR && V_BSTR(&v) ? std::wstring(V_BSTR(&v), SysStringLen(V_BSTR(&v)))
                                              : std::wstring();
}

long Outcome::number() const {
    com::Variant converted = Converted(value, VT_I4);
    return V_VT(&converted.get()) == VT_I4 ? V_I4(&converted.get()) : -99999;
}

double Outcome::date() const {
    com::Variant converted = Converted(value, VT_DATE);
    return V_VT(&converted.get()) == VT_DATE ? V_DATE(&converted.get()) : -99999.0;
}

com::ComPtr<IDispatch> Outcome::object() const {
    const VARIANT& v = value.get();
    return V_VT(&v) == VT_DISPATCH ? com::ComPtr<IDispatch>(V_DISPATCH(&v))
                                   : com::ComPtr<IDispatch>();
}

Outcome Get(IDispatch* object, DISPID id, std::vector<com::Variant> args) {
    return Call(object, id, DISPATCH_PROPERTYGET | DISPATCH_METHOD, std::move(args), false);
}

Outcome Put(IDispatch* object, DISPID id, const com::Variant& value) {
    return Call(object, id, DISPATCH_PROPERTYPUT, {value}, true);
}

Outcome Method(IDispatch* object, DISPID id, std::vector<com::Variant> args) {
    return Call(object, id, DISPATCH_METHOD, std::move(args), false);
}

com::Variant Text(const std::wstring& text) {
    com::Variant v;
    VARIANT* raw = v.put();
    V_VT(raw) = VT_BSTR;
    V_BSTR(raw) = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return v;
}

com::Variant Long(long value) {
    com::Variant v;
    VARIANT* raw = v.put();
    V_VT(raw) = VT_I4;
    V_I4(raw) = value;
    return v;
}

com::Variant Short(short value) { return Converted(Long(value), VT_I2); }

com::Variant Date(double value) {
    com::Variant v;
    VARIANT* raw = v.put();
    V_VT(raw) = VT_R8;
    V_R8(raw) = value;
    return Converted(v, VT_DATE);
}

}  // namespace sundrave_test
