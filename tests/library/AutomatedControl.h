#pragma once
#include <gtest/gtest.h>

#include "library/ComObjects.h"
#include "support/ControlHarness.h"

namespace vorn::test {

// A control made through the entry points on a headless site, seen through IDispatch.
struct Automated : test::HarnessBase {
  IVornControl* control = nullptr;
  IDispatch* disp = nullptr;
  explicit Automated(const GUID& clsid) : HarnessBase(100, 30) {
    IClassFactory* f = nullptr;
    EXPECT_EQ(DllGetClassObject(&clsid, &IID_IClassFactory, reinterpret_cast<void**>(&f)), S_OK);
    EXPECT_EQ(f->lpVtbl->CreateInstance(f, nullptr, &IID_IVornControl, reinterpret_cast<void**>(&control)), S_OK);
    f->lpVtbl->Release(f);
    EXPECT_EQ(control->lpVtbl->SetSite(control, static_cast<ControlSite*>(site.get())), S_OK);
    EXPECT_EQ(control->lpVtbl->InitNew(control), S_OK);
    control->lpVtbl->QueryInterface(control, &IID_IDispatch, reinterpret_cast<void**>(&disp));
  }
  ~Automated() override {
    if (disp) disp->lpVtbl->Release(disp);
    if (control) control->lpVtbl->Release(control);
  }
  DISPID Id(const char* name) {
    DISPID id = 0;
    const char* names[] = {name};
    EXPECT_EQ(disp->lpVtbl->GetIDsOfNames(disp, nullptr, names, 1, 0x409, &id), S_OK) << name;
    return id;
  }
  HRESULT Put(const char* name, VARIANT v, uint16_t flags = DISPATCH_PROPERTYPUT) {
    DISPID put = DISPID_PROPERTYPUT;
    DISPPARAMS p{&v, &put, 1, 1};
    return disp->lpVtbl->Invoke(disp, Id(name), nullptr, 0x409, flags, &p, nullptr, nullptr, nullptr);
  }
  HRESULT Get(const char* name, VARIANT& out) {
    DISPPARAMS p{nullptr, nullptr, 0, 0};
    vornVariantInit(&out);
    return disp->lpVtbl->Invoke(disp, Id(name), nullptr, 0x409, DISPATCH_PROPERTYGET, &p, &out, nullptr, nullptr);
  }
};

inline VARIANT Long(int32_t v) {
  VARIANT x;
  vornVariantInit(&x);
  x.vt = VT_I4;
  x.lVal = v;
  return x;
}

inline VARIANT Text(const char* s) {
  VARIANT x;
  vornVariantInit(&x);
  x.vt = VT_BSTR;
  x.bstrVal = vornSysAllocString(s);
  return x;
}

}  // namespace vorn::test
