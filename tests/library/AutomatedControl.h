#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "library/com/ComObjects.h"
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

// Calls a member through IDispatch with positional arguments given first to last; the argument
// variants are cleared afterwards.
inline HRESULT Call(IDispatch* d, DISPID id, uint16_t flags, std::vector<VARIANT> args, VARIANT* result) {
  std::reverse(args.begin(), args.end());  // automation passes the last argument first
  DISPPARAMS p{args.data(), nullptr, static_cast<uint32_t>(args.size()), 0};
  if (result) vornVariantInit(result);
  const HRESULT hr = d->lpVtbl->Invoke(d, id, nullptr, 0x409, flags, &p, result, nullptr, nullptr);
  for (VARIANT& v : args) vornVariantClear(&v);
  return hr;
}

// The Caption of an item, read by name.
inline std::string CaptionOf(IDispatch* item) {
  const char* names[] = {"Caption"};
  DISPID id = 0;
  item->lpVtbl->GetIDsOfNames(item, nullptr, names, 1, 0x409, &id);
  VARIANT caption;
  EXPECT_EQ(Call(item, id, DISPATCH_PROPERTYGET, {}, &caption), S_OK);
  std::string text = caption.vt == VT_BSTR && caption.bstrVal ? caption.bstrVal : "?";
  vornVariantClear(&caption);
  return text;
}

// The captions of a list's items, walked as a host's for-each walks it (DISPID_NEWENUM).
inline std::vector<std::string> Captions(IDispatch* list) {
  VARIANT e;
  EXPECT_EQ(Call(list, DISPID_NEWENUM, DISPATCH_PROPERTYGET, {}, &e), S_OK);
  EXPECT_EQ(e.vt, VT_UNKNOWN);
  std::vector<std::string> out;
  if (e.vt != VT_UNKNOWN) return out;
  IEnumVARIANT* walker = nullptr;
  EXPECT_EQ(e.punkVal->lpVtbl->QueryInterface(e.punkVal, &IID_IEnumVARIANT, reinterpret_cast<void**>(&walker)), S_OK);
  vornVariantClear(&e);
  VARIANT item;
  uint32_t got = 0;
  while (walker->lpVtbl->Next(walker, 1, &item, &got) == S_OK && got == 1) {
    out.push_back(CaptionOf(item.pdispVal));
    vornVariantClear(&item);
  }
  walker->lpVtbl->Release(walker);
  return out;
}

}  // namespace vorn::test
