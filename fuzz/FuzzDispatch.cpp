// Random members, flags and arguments against every member of every class, through the C
// interface of library/vornbutton2.h, with pointer, clock and key input in between: every call
// returns a result or an error, nothing crashes, and when every reference is released no object
// of the library is left alive.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "library/TypeLibrary.h"
#include "library/vornbutton2.h"

using namespace vorn;

namespace {

// Every dispatch identifier of every class, and the special ones, tried on every object.
const std::vector<DISPID>& AllIds() {
  static const std::vector<DISPID> ids = [] {
    std::vector<DISPID> all{DISPID_VALUE, DISPID_NEWENUM, DISPID_PROPERTYPUT, DISPID_UNKNOWN, -512};
    for (const LibraryClass& c : TypeLibrary().classes) {
      for (const MemberInfo& m : c.table().members) all.push_back(m.id);
    }
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    return all;
  }();
  return ids;
}

constexpr size_t kMostObjects = 24;
constexpr int kMostOperations = 48;

struct Session {
  explicit Session(fuzz::Bytes& bytes) : in(bytes) {}
  fuzz::Bytes& in;
  std::vector<IDispatch*> objects;

  IDispatch* AnyObject() { return objects.empty() ? nullptr : objects[in.Byte() % objects.size()]; }

  // One argument of a kind the bytes choose, owned by the caller as automation has it. Values
  // passed by reference live in store until the call has returned.
  VARIANT Argument(std::vector<std::unique_ptr<VARIANT>>& store) {
    VARIANT v;
    vornVariantInit(&v);
    const uint8_t kind = in.Byte();
    switch (kind % 12) {
      case 0: break;
      case 1: v.vt = VT_NULL; break;
      case 2: v.vt = VT_I2, v.iVal = static_cast<int16_t>(in.U16()); break;
      case 3: v.vt = VT_I4, v.lVal = static_cast<int32_t>(in.U32()); break;
      case 4: v.vt = VT_R4, v.fltVal = static_cast<float>(static_cast<int32_t>(in.U32())) / 7.0f; break;
      case 5: {
        v.vt = VT_R8;
        const uint64_t bits = in.U32() | (uint64_t{in.U32()} << 32);
        static_assert(sizeof bits == sizeof v.dblVal);
        std::memcpy(&v.dblVal, &bits, sizeof bits);  // any double: NaN, infinities, huge
        break;
      }
      case 6: v.vt = VT_BSTR, v.bstrVal = vornSysAllocString(in.Text(40).c_str()); break;
      case 7: v.vt = VT_BOOL, v.boolVal = (in.Byte() & 1) ? VARIANT_TRUE : VARIANT_FALSE; break;
      case 8:
        v.vt = VT_DISPATCH;
        v.pdispVal = (in.Byte() & 3) ? AnyObject() : nullptr;
        if (v.pdispVal) v.pdispVal->lpVtbl->AddRef(v.pdispVal);
        break;
      case 9: v.vt = VT_ERROR, v.scode = static_cast<int32_t>(0x80020004); break;  // a missing argument
      case 10: {
        // By reference: a Long, a String or a Variant holding a Long.
        auto held = std::make_unique<VARIANT>();
        vornVariantInit(held.get());
        const uint8_t what = in.Byte() % 3;
        if (what == 0) {
          held->lVal = static_cast<int32_t>(in.U32());
          v.vt = VT_BYREF | VT_I4, v.plVal = &held->lVal;
        } else if (what == 1) {
          held->vt = VT_BSTR, held->bstrVal = vornSysAllocString(in.Text(20).c_str());
          v.vt = VT_BYREF | VT_BSTR, v.pbstrVal = &held->bstrVal;
        } else {
          held->vt = VT_I4, held->lVal = static_cast<int32_t>(in.U32());
          v.vt = VT_BYREF | VT_VARIANT, v.pvarVal = held.get();
        }
        store.push_back(std::move(held));
        break;
      }
      default: v.vt = static_cast<VARTYPE>(in.U16() & ~VT_BYREF); break;  // any other type, no value
    }
    return v;
  }

  void Keep(VARIANT& result) {
    if (result.vt == VT_DISPATCH && result.pdispVal && objects.size() < kMostObjects) {
      objects.push_back(result.pdispVal);
      vornVariantInit(&result);
      return;
    }
    if (result.vt == VT_UNKNOWN && result.punkVal) Walk(result.punkVal);
    vornVariantClear(&result);
  }

  // An enumerator as a for-each walks it, with skips, resets and clones.
  void Walk(IUnknown* unknown) {
    IEnumVARIANT* e = nullptr;
    if (unknown->lpVtbl->QueryInterface(unknown, &IID_IEnumVARIANT, reinterpret_cast<void**>(&e)) != S_OK) return;
    for (int step = in.Byte() % 6; step > 0; --step) {
      VARIANT items[3];
      for (VARIANT& item : items) vornVariantInit(&item);
      uint32_t got = 0;
      switch (in.Byte() % 4) {
        case 0: e->lpVtbl->Next(e, 1 + in.Byte() % 3, items, &got); break;
        case 1: e->lpVtbl->Skip(e, in.Byte()); break;
        case 2: e->lpVtbl->Reset(e); break;
        default: {
          IEnumVARIANT* copy = nullptr;
          if (e->lpVtbl->Clone(e, &copy) == S_OK && copy) copy->lpVtbl->Release(copy);
        }
      }
      for (VARIANT& item : items) Keep(item);
    }
    e->lpVtbl->Release(e);
  }

  void Invoke() {
    IDispatch* target = AnyObject();
    if (!target) return;
    const std::vector<DISPID>& ids = AllIds();
    const uint8_t pick = in.Byte();
    const DISPID id = pick < 250 ? ids[pick % ids.size()] : static_cast<DISPID>(in.U32());
    static const uint16_t kFlags[] = {DISPATCH_METHOD, DISPATCH_PROPERTYGET, DISPATCH_METHOD | DISPATCH_PROPERTYGET,
                                      DISPATCH_PROPERTYPUT, DISPATCH_PROPERTYPUTREF, 0, 0xFFFF};
    const uint8_t f = in.Byte();
    const uint16_t flags = f < 240 ? kFlags[f % 7] : in.U16();
    std::vector<std::unique_ptr<VARIANT>> store;
    std::vector<VARIANT> args;
    for (int n = in.Byte() % 5; n > 0; --n) args.push_back(Argument(store));
    DISPID named = (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) ? DISPID_PROPERTYPUT : 7;
    const uint32_t namedCount = args.empty() ? 0 : in.Byte() % 2;
    DISPPARAMS params{args.data(), namedCount ? &named : nullptr, static_cast<uint32_t>(args.size()), namedCount};
    VARIANT result;
    vornVariantInit(&result);
    EXCEPINFO excep{};
    uint32_t argErr = 0;
    const bool details = in.Byte() & 1;
    target->lpVtbl->Invoke(target, id, (in.Byte() % 8) ? nullptr : &IID_IDispatch, 0x409, flags, &params,
                           details ? &result : nullptr, details ? &excep : nullptr, details ? &argErr : nullptr);
    vornSysFreeString(excep.bstrSource);
    vornSysFreeString(excep.bstrDescription);
    vornSysFreeString(excep.bstrHelpFile);
    int32_t number = 0;
    BSTR text = nullptr;
    if (vornGetErrorInfo(&number, &text) == S_OK) vornSysFreeString(text);
    for (VARIANT& a : args) vornVariantClear(&a);
    for (auto& held : store) vornVariantClear(held.get());
    Keep(result);
  }

  void Names() {
    IDispatch* target = AnyObject();
    if (!target) return;
    const std::string name = in.Text(16);
    const char* names[] = {name.c_str()};
    DISPID id = 0;
    target->lpVtbl->GetIDsOfNames(target, nullptr, names, 1, 0x409, &id);
    uint32_t count = 0;
    target->lpVtbl->GetTypeInfoCount(target, &count);
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Bytes in(data, size);
  {
    HeadlessHost host;
    auto ambient = std::make_shared<FormAmbient>();
    ambient->font = MakeRef<Font>("DejaVu Sans", 8.0f);
    HeadlessSurface form(host, WindowKind::Form, "Form1", nullptr, RectL{0, 0, 400, 300}, ambient->font->Clone(),
                         0xF0F0F0);
    std::vector<std::unique_ptr<HeadlessSite>> sites;
    std::vector<IVornControl*> controls;
    Session s(in);
    for (const LibraryClass& c : TypeLibrary().classes) {
      IClassFactory* factory = nullptr;
      if (DllGetClassObject(c.clsid, &IID_IClassFactory, reinterpret_cast<void**>(&factory)) != S_OK) continue;
      const int32_t top = static_cast<int32_t>(sites.size()) * 40;
      sites.push_back(std::make_unique<HeadlessSite>(host, &form, std::string(c.name) + "1",
                                                     RectL{10, top, 210, top + 35}, ambient));
      IVornControl* control = nullptr;
      if (factory->lpVtbl->CreateInstance(factory, nullptr, &IID_IVornControl, reinterpret_cast<void**>(&control)) !=
          S_OK) {
        std::abort();
      }
      factory->lpVtbl->Release(factory);
      control->lpVtbl->SetSite(control, static_cast<ControlSite*>(sites.back().get()));
      control->lpVtbl->InitNew(control);
      IDispatch* disp = nullptr;
      control->lpVtbl->QueryInterface(control, &IID_IDispatch, reinterpret_cast<void**>(&disp));
      controls.push_back(control);
      s.objects.push_back(disp);
    }
    for (int op = 0; op < kMostOperations && !in.Empty(); ++op) {
      const uint8_t what = in.Byte();
      switch (what % 10) {
        case 0: host.Advance(in.Byte() % 50); break;
        case 1: host.MoveMouse({in.Byte() * 2, in.Byte() * 2}); break;
        case 2: (in.Byte() & 1) ? host.PressButton(1 << (in.Byte() % 3)) : host.ReleaseButton(1 << (in.Byte() % 3)); break;
        case 3: {
          if (HeadlessSurface* w = host.WindowAt(host.Pointer())) host.SetFocus(w);
          const int16_t key = static_cast<int16_t>(in.U16() % 300);
          (in.Byte() & 1) ? host.KeyDown(key) : host.KeyPress(key);
          break;
        }
        case 4: s.Names(); break;
        default: s.Invoke();
      }
    }
    for (IDispatch* o : s.objects) {
      if (o) o->lpVtbl->Release(o);
    }
    for (IVornControl* c : controls) c->lpVtbl->Release(c);
  }
  if (DllCanUnloadNow() != S_OK) {
    std::fprintf(stderr, "objects of the library outlived every reference to them\n");
    std::abort();
  }
  return 0;
}
