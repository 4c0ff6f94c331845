#include "library/ComObjects.h"

#include <unordered_map>
#include <vector>

#include "foundation/Dispatch.h"
#include "foundation/Enumerator.h"
#include "library/VariantMarshal.h"

namespace vorn {

// The run-time error behind the last failed call, as automation's error information keeps it;
// every call clears it first, so it never speaks of an earlier call.
struct LastError {
  bool set = false;
  int32_t number = 0;
  std::string text;
};
thread_local LastError t_lastError;
void ClearErrorInfo() noexcept { t_lastError = {}; }

namespace {

int32_t g_liveComObjects = 0;
int32_t g_serverLocks = 0;

std::unordered_map<const Object*, DispatchObject*>& Wrappers() {
  static std::unordered_map<const Object*, DispatchObject*> map;
  return map;
}

DispatchObject* Owner(void* iface) { return static_cast<DispatchIface*>(iface)->owner; }

// ---- events: a host's dispatch sink seen as a generic event sink --------------------------------

// Delivers an event to a host's IDispatch sink with every argument by reference, then reads back
// what the sink left in them.
class SinkAdapter final : public EventSink {
 public:
  explicit SinkAdapter(IDispatch* sink) : sink_(sink) { sink_->lpVtbl->AddRef(sink_); }
  ~SinkAdapter() override { sink_->lpVtbl->Release(sink_); }
  SinkAdapter(const SinkAdapter&) = delete;
  SinkAdapter& operator=(const SinkAdapter&) = delete;

  void OnEvent(Object&, DispId id, std::span<Variant> args) override {
    const size_t n = args.size();
    std::vector<VARIANT> values(n), refs(n);
    for (size_t i = 0; i < n; ++i) {
      ToVARIANT(args[i], values[i]);
      VARIANT& r = refs[n - 1 - i];  // automation passes the last argument first
      vornVariantInit(&r);
      r.vt = static_cast<VARTYPE>(values[i].vt | VT_BYREF);
      switch (values[i].vt) {
        case VT_I2: r.piVal = &values[i].iVal; break;
        case VT_I4: r.plVal = &values[i].lVal; break;
        case VT_R4: r.pfltVal = &values[i].fltVal; break;
        case VT_R8: r.pdblVal = &values[i].dblVal; break;
        case VT_BOOL: r.pboolVal = &values[i].boolVal; break;
        case VT_BSTR: r.pbstrVal = &values[i].bstrVal; break;
        default:
          r.vt = VT_VARIANT | VT_BYREF;
          r.pvarVal = &values[i];
          break;
      }
    }
    DISPPARAMS params{refs.data(), nullptr, static_cast<uint32_t>(n), 0};
    sink_->lpVtbl->Invoke(sink_, id, &IID_IUnknown, 0x0409, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
    for (size_t i = 0; i < n; ++i) {
      try {
        args[i] = VariantTraitsFor(args[i], FromVARIANT(values[i]));
      } catch (const RuntimeError&) {
        // A value the argument cannot take leaves it as it was.
      }
      vornVariantClear(&values[i]);
    }
  }

 private:
  // Keeps each argument's own type, as a by-reference argument of a fixed type would.
  static Variant VariantTraitsFor(const Variant& original, const Variant& v) {
    switch (original.Type()) {
      case VarType::Integer: return Variant(v.ToInteger());
      case VarType::Long: return Variant(v.ToLong());
      case VarType::Single: return Variant(v.ToSingle());
      case VarType::Double: return Variant(v.ToDouble());
      case VarType::Boolean: return Variant(v.ToBool());
      case VarType::String: return Variant(v.ToString());
      default: return v;
    }
  }
  IDispatch* sink_;
};

}  // namespace

// ---- the connection point -----------------------------------------------------------------------

struct ConnectionPointObject {
  const IConnectionPointVtbl* lpVtbl;
  DispatchObject* owner;
  uint32_t refs = 0;
};

struct SinkEntry {
  uint32_t cookie;
  std::unique_ptr<SinkAdapter> adapter;
};

namespace {
std::unordered_map<const DispatchObject*, std::vector<SinkEntry>>& Sinks() {
  static std::unordered_map<const DispatchObject*, std::vector<SinkEntry>> map;
  return map;
}

HRESULT CpQueryInterface(IConnectionPoint* self, const IID* riid, void** ppv) {
  if (!ppv) return E_POINTER;
  if (IsIid(riid, IID_IUnknown) || IsIid(riid, IID_IConnectionPoint)) {
    *ppv = self;
    self->lpVtbl->AddRef(self);
    return S_OK;
  }
  *ppv = nullptr;
  return E_NOINTERFACE;
}
uint32_t CpAddRef(IConnectionPoint* self) { return ++reinterpret_cast<ConnectionPointObject*>(self)->refs; }
uint32_t CpRelease(IConnectionPoint* self) {
  auto* cp = reinterpret_cast<ConnectionPointObject*>(self);
  const uint32_t left = --cp->refs;
  if (left == 0) {
    DispatchObject* owner = cp->owner;
    owner->point = nullptr;
    delete cp;
    CountComObject(-1);
    owner->dispatch.lpVtbl->Release(reinterpret_cast<IDispatch*>(&owner->dispatch));
  }
  return left;
}
HRESULT CpGetConnectionInterface(IConnectionPoint* self, IID* iid) {
  if (!iid) return E_POINTER;
  const DispatchObject* owner = reinterpret_cast<ConnectionPointObject*>(self)->owner;
  if (!owner->cls || !owner->cls->eventIid) return E_UNEXPECTED;
  *iid = *owner->cls->eventIid;
  return S_OK;
}
HRESULT CpGetContainer(IConnectionPoint* self, void** container) {
  if (!container) return E_POINTER;
  DispatchObject* owner = reinterpret_cast<ConnectionPointObject*>(self)->owner;
  *container = &owner->container;
  owner->dispatch.lpVtbl->AddRef(reinterpret_cast<IDispatch*>(&owner->dispatch));
  return S_OK;
}
HRESULT CpAdvise(IConnectionPoint* self, IUnknown* sink, uint32_t* cookie) {
  if (!sink || !cookie) return E_POINTER;
  DispatchObject* owner = reinterpret_cast<ConnectionPointObject*>(self)->owner;
  Control* control = owner->AsControl();
  if (!control) return E_UNEXPECTED;
  IDispatch* disp = nullptr;
  if (sink->lpVtbl->QueryInterface(sink, &IID_IDispatch, reinterpret_cast<void**>(&disp)) != S_OK || !disp) {
    return CONNECT_E_CANNOTCONNECT;
  }
  auto adapter = std::make_unique<SinkAdapter>(disp);
  disp->lpVtbl->Release(disp);
  *cookie = control->Connections().Advise(*adapter);
  Sinks()[owner].push_back({*cookie, std::move(adapter)});
  return S_OK;
}
HRESULT CpUnadvise(IConnectionPoint* self, uint32_t cookie) {
  DispatchObject* owner = reinterpret_cast<ConnectionPointObject*>(self)->owner;
  auto& list = Sinks()[owner];
  for (auto it = list.begin(); it != list.end(); ++it) {
    if (it->cookie != cookie) continue;
    if (Control* c = owner->AsControl()) c->Connections().Unadvise(cookie);
    list.erase(it);
    return S_OK;
  }
  return CONNECT_E_NOCONNECTION;
}
HRESULT CpEnumConnections(IConnectionPoint*, void** out) {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}
const IConnectionPointVtbl kPointVtbl = {CpQueryInterface, CpAddRef,    CpRelease,        CpGetConnectionInterface,
                                         CpGetContainer,   CpAdvise,    CpUnadvise,       CpEnumConnections};

// ---- enumerators --------------------------------------------------------------------------------

struct EnumObject {
  const IEnumVARIANTVtbl* lpVtbl;
  uint32_t refs;
  Ref<Enumerator> walker;
};
IEnumVARIANT* NewEnum(Ref<Enumerator> walker);

HRESULT EnQueryInterface(IEnumVARIANT* self, const IID* riid, void** ppv) {
  if (!ppv) return E_POINTER;
  if (IsIid(riid, IID_IUnknown) || IsIid(riid, IID_IEnumVARIANT)) {
    *ppv = self;
    self->lpVtbl->AddRef(self);
    return S_OK;
  }
  *ppv = nullptr;
  return E_NOINTERFACE;
}
uint32_t EnAddRef(IEnumVARIANT* self) { return ++reinterpret_cast<EnumObject*>(self)->refs; }
uint32_t EnRelease(IEnumVARIANT* self) {
  auto* e = reinterpret_cast<EnumObject*>(self);
  const uint32_t left = --e->refs;
  if (left == 0) {
    delete e;
    CountComObject(-1);
  }
  return left;
}
HRESULT EnNext(IEnumVARIANT* self, uint32_t count, VARIANT* items, uint32_t* fetched) {
  if (!items && count) return E_POINTER;
  auto* e = reinterpret_cast<EnumObject*>(self);
  uint32_t got = 0;
  Variant v;
  while (got < count && e->walker->Advance(v)) ToVARIANT(v, items[got++]);
  if (fetched) *fetched = got;
  return got == count ? S_OK : S_FALSE;
}
HRESULT EnSkip(IEnumVARIANT* self, uint32_t count) {
  return reinterpret_cast<EnumObject*>(self)->walker->Pass(count) ? S_OK : S_FALSE;
}
HRESULT EnReset(IEnumVARIANT* self) {
  reinterpret_cast<EnumObject*>(self)->walker->Rewind();
  return S_OK;
}
HRESULT EnClone(IEnumVARIANT* self, IEnumVARIANT** copy) {
  if (!copy) return E_POINTER;
  *copy = NewEnum(reinterpret_cast<EnumObject*>(self)->walker->Copy());
  return S_OK;
}
const IEnumVARIANTVtbl kEnumVtbl = {EnQueryInterface, EnAddRef, EnRelease, EnNext, EnSkip, EnReset, EnClone};

IEnumVARIANT* NewEnum(Ref<Enumerator> walker) {
  auto* e = new EnumObject{&kEnumVtbl, 1, std::move(walker)};
  CountComObject(1);
  return reinterpret_cast<IEnumVARIANT*>(e);
}

// ---- IDispatch ----------------------------------------------------------------------------------

HRESULT DQueryInterface(IDispatch* self, const IID* riid, void** ppv) {
  if (!ppv) return E_POINTER;
  DispatchObject* d = Owner(self);
  *ppv = nullptr;
  if (IsIid(riid, IID_IUnknown) || IsIid(riid, IID_IDispatch) ||
      (d->cls && (IsIid(riid, *d->cls->defaultIid)))) {
    *ppv = &d->dispatch;
  } else if (d->cls && d->cls->kind == ClassKind::Control && IsIid(riid, IID_IConnectionPointContainer)) {
    *ppv = &d->container;
  } else if (d->cls && d->cls->kind == ClassKind::Control && IsIid(riid, IID_IVornControl)) {
    *ppv = &d->control;
  } else {
    return E_NOINTERFACE;
  }
  ++d->refs;
  return S_OK;
}
uint32_t DAddRef(IDispatch* self) { return ++Owner(self)->refs; }
uint32_t DRelease(IDispatch* self) {
  DispatchObject* d = Owner(self);
  const uint32_t left = --d->refs;
  if (left) return left;
  // The last reference: drop the host's sinks, end a control the factory made, let the object go.
  if (auto it = Sinks().find(d); it != Sinks().end()) {
    for (SinkEntry& s : it->second) {
      if (Control* c = d->AsControl()) c->Connections().Unadvise(s.cookie);
    }
    Sinks().erase(it);
  }
  if (d->object) Wrappers().erase(d->object.get());
  if (Control* c = d->AsControl(); c && d->site) {
    try {
      c->UserControl_Terminate();
    } catch (const RuntimeError&) {
      // Nobody is left to tell.
    }
  }
  delete d;
  CountComObject(-1);
  return 0;
}
HRESULT DGetTypeInfoCount(IDispatch*, uint32_t* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}
HRESULT DGetTypeInfo(IDispatch*, uint32_t, uint32_t, void** info) {
  if (info) *info = nullptr;
  return E_NOTIMPL;
}
HRESULT DGetIDsOfNames(IDispatch* self, const IID*, const char** names, uint32_t count, uint32_t, DISPID* ids) {
  if (!names || !ids || count == 0) return E_INVALIDARG;
  DispatchObject* d = Owner(self);
  const ClassInfo* info = d->object ? &d->object->Class() : d->cls ? &d->cls->table() : nullptr;
  const MemberInfo* m = info && names[0] ? info->Find(std::string_view(names[0])) : nullptr;
  for (uint32_t i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
  if (!m) return DISP_E_UNKNOWNNAME;
  ids[0] = m->id;
  HRESULT hr = S_OK;
  for (uint32_t i = 1; i < count; ++i) {
    for (size_t k = 0; k < m->params.size(); ++k) {
      if (names[i] && NamesEqual(m->params[k].name, names[i])) ids[i] = static_cast<DISPID>(k);
    }
    if (ids[i] == DISPID_UNKNOWN) hr = DISP_E_UNKNOWNNAME;
  }
  return hr;
}
HRESULT DInvoke(IDispatch* self, DISPID id, const IID*, uint32_t, uint16_t flags, DISPPARAMS* params,
                VARIANT* result, EXCEPINFO* excep, uint32_t* argErr) {
  ClearErrorInfo();
  DispatchObject* d = Owner(self);
  if (!d->object) return E_UNEXPECTED;
  const MemberInfo* m = d->object->Class().Find(id);
  if (!m) return DISP_E_MEMBERNOTFOUND;
  const bool put = (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
  const uint32_t total = params ? params->cArgs : 0;
  const uint32_t named = params ? params->cNamedArgs : 0;
  if (named > total) return E_INVALIDARG;
  // Positional arguments come last-first; named ones (only DISPID_PROPERTYPUT for a put, or
  // parameter positions) come first in rgvarg.
  std::vector<Variant> args(total - named);
  std::vector<VARIANT*> sources(total - named, nullptr);
  Variant putValue;
  bool havePut = false;
  try {
    for (uint32_t i = 0; i < total - named; ++i) {
      VARIANT& v = params->rgvarg[total - 1 - i];
      sources[i] = &v;
      args[i] = FromVARIANT(v);
    }
    for (uint32_t k = 0; k < named; ++k) {
      const DISPID slot = params->rgdispidNamedArgs[k];
      const Variant value = FromVARIANT(params->rgvarg[k]);
      if (slot == DISPID_PROPERTYPUT && put) {
        putValue = value;
        havePut = true;
      } else if (slot >= 0 && static_cast<size_t>(slot) < m->params.size()) {
        if (args.size() <= static_cast<size_t>(slot)) {
          args.resize(static_cast<size_t>(slot) + 1, Variant::Missing());
          sources.resize(static_cast<size_t>(slot) + 1, nullptr);
        }
        args[static_cast<size_t>(slot)] = value;
        sources[static_cast<size_t>(slot)] = &params->rgvarg[k];
      } else {
        return DISP_E_PARAMNOTFOUND;
      }
    }
  } catch (const RuntimeError&) {
    return DISP_E_TYPEMISMATCH;
  }
  if (put) {
    if (!havePut) {
      if (args.empty()) return DISP_E_BADPARAMCOUNT;
      putValue = args.back();  // a put with the value passed positionally
      args.pop_back();
      sources.pop_back();
    }
    args.push_back(putValue);
    sources.push_back(nullptr);
  }
  Variant value;
  try {
    value = InvokeMember(*d->object, *m, flags, args);
    for (size_t i = 0; i < sources.size(); ++i) {
      if (sources[i] && (sources[i]->vt & VT_BYREF)) WriteBack(args[i], *sources[i]);
    }
  } catch (const RuntimeError& e) {
    if (argErr) *argErr = 0;
    return ErrorResult(e, excep);
  }
  if (result && !put) {
    if (id == DISPID_NEWENUM && value.IsObject()) {
      Ref<Enumerator> walker = RefCast<Enumerator>(value.ToObject());
      if (!walker) return DISP_E_TYPEMISMATCH;
      vornVariantInit(result);
      result->vt = VT_UNKNOWN;
      result->punkVal = reinterpret_cast<IUnknown*>(NewEnum(walker));
    } else {
      ToVARIANT(value, *result);
    }
  }
  return S_OK;
}
const IDispatchVtbl kDispatchVtbl = {DQueryInterface, DAddRef,        DRelease, DGetTypeInfoCount,
                                     DGetTypeInfo,    DGetIDsOfNames, DInvoke};

// ---- IConnectionPointContainer ------------------------------------------------------------------

HRESULT CcQueryInterface(IConnectionPointContainer* self, const IID* riid, void** ppv) {
  return DQueryInterface(reinterpret_cast<IDispatch*>(&Owner(self)->dispatch), riid, ppv);
}
uint32_t CcAddRef(IConnectionPointContainer* self) { return ++Owner(self)->refs; }
uint32_t CcRelease(IConnectionPointContainer* self) {
  return DRelease(reinterpret_cast<IDispatch*>(&Owner(self)->dispatch));
}
HRESULT CcEnum(IConnectionPointContainer*, void** out) {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}
HRESULT CcFind(IConnectionPointContainer* self, const IID* riid, IConnectionPoint** point) {
  if (!point) return E_POINTER;
  *point = nullptr;
  DispatchObject* d = Owner(self);
  if (!d->cls || !d->cls->eventIid || !(IsIid(riid, *d->cls->eventIid) || IsIid(riid, IID_IDispatch))) {
    return CONNECT_E_NOCONNECTION;
  }
  if (!d->point) {
    d->point = new ConnectionPointObject{&kPointVtbl, d, 0};
    CountComObject(1);
    ++d->refs;  // the point keeps its container alive
  }
  ++d->point->refs;
  *point = reinterpret_cast<IConnectionPoint*>(d->point);
  return S_OK;
}
const IConnectionPointContainerVtbl kContainerVtbl = {CcQueryInterface, CcAddRef, CcRelease, CcEnum, CcFind};

// ---- IVornControl -------------------------------------------------------------------------------

HRESULT VcQueryInterface(IVornControl* self, const IID* riid, void** ppv) {
  return DQueryInterface(reinterpret_cast<IDispatch*>(&Owner(self)->dispatch), riid, ppv);
}
uint32_t VcAddRef(IVornControl* self) { return ++Owner(self)->refs; }
uint32_t VcRelease(IVornControl* self) { return DRelease(reinterpret_cast<IDispatch*>(&Owner(self)->dispatch)); }
HRESULT VcSetSite(IVornControl* self, void* site) {
  ClearErrorInfo();
  DispatchObject* d = Owner(self);
  if (!site) return E_POINTER;
  if (d->object || !d->cls || !d->cls->create) return E_UNEXPECTED;
  try {
    d->site = static_cast<ControlSite*>(site);
    Ref<Control> control = d->cls->create(*d->site);
    d->object = control;
    Wrappers()[control.get()] = d;
    control->UserControl_Initialize();
    return S_OK;
  } catch (const RuntimeError& e) {
    return ErrorResult(e, nullptr);
  }
}
HRESULT Start(IVornControl* self, PropertyBag* bag) {
  ClearErrorInfo();
  Control* c = Owner(self)->AsControl();
  if (!c) return E_UNEXPECTED;
  try {
    if (bag) {
      c->UserControl_ReadProperties(*bag);
    } else {
      c->UserControl_InitProperties();
    }
    c->UserControl_Resize();
    c->UserControl_Show();
    return S_OK;
  } catch (const RuntimeError& e) {
    return ErrorResult(e, nullptr);
  }
}
HRESULT VcInitNew(IVornControl* self) { return Start(self, nullptr); }
HRESULT VcLoad(IVornControl* self, void* bag) {
  if (!bag) return E_POINTER;
  return Start(self, static_cast<PropertyBag*>(bag));
}
HRESULT VcSave(IVornControl* self, void* bag) {
  ClearErrorInfo();
  Control* c = Owner(self)->AsControl();
  if (!c) return E_UNEXPECTED;
  if (!bag) return E_POINTER;
  try {
    c->UserControl_WriteProperties(*static_cast<PropertyBag*>(bag));
    return S_OK;
  } catch (const RuntimeError& e) {
    return ErrorResult(e, nullptr);
  }
}
const IVornControlVtbl kControlVtbl = {VcQueryInterface, VcAddRef, VcRelease, VcSetSite, VcInitNew, VcLoad, VcSave};

DispatchObject* NewWrapper() {
  auto* d = new DispatchObject;
  d->dispatch = {&kDispatchVtbl, d};
  d->container = {&kContainerVtbl, d};
  d->control = {&kControlVtbl, d};
  CountComObject(1);
  return d;
}

}  // namespace

IDispatch* DispatchObject::Wrap(const Ref<Object>& object) {
  auto& map = Wrappers();
  auto it = map.find(object.get());
  DispatchObject* d = nullptr;
  if (it != map.end()) {
    d = it->second;
  } else {
    d = NewWrapper();
    d->object = object;
    const std::string_view name = object->Class().name;
    for (const LibraryClass& c : TypeLibrary().classes) {
      if (c.name == name) d->cls = &c;
    }
    map[object.get()] = d;
  }
  ++d->refs;
  return reinterpret_cast<IDispatch*>(&d->dispatch);
}

DispatchObject* DispatchObject::NewControl(const LibraryClass& cls) {
  DispatchObject* d = NewWrapper();
  d->cls = &cls;
  return d;
}

Control* DispatchObject::AsControl() const noexcept { return dynamic_cast<Control*>(object.get()); }

Object* ObjectBehind(IUnknown* unknown) {
  if (!unknown) return nullptr;
  const void* vtbl = unknown->lpVtbl;
  if (vtbl == &kDispatchVtbl || vtbl == &kContainerVtbl || vtbl == &kControlVtbl) {
    return Owner(unknown)->object.get();
  }
  return nullptr;
}

int32_t LiveComObjects() noexcept { return g_liveComObjects; }
int32_t& ServerLocks() noexcept { return g_serverLocks; }
void CountComObject(int32_t delta) noexcept { g_liveComObjects += delta; }

bool IsIid(const IID* riid, const IID& iid) { return riid && SameGuid(*riid, iid); }

HRESULT ErrorResult(const RuntimeError& e, EXCEPINFO* excep) {
  t_lastError = {true, e.Number(), e.what()};
  switch (e.Number()) {
    case errTypeMismatch: return DISP_E_TYPEMISMATCH;
    case errOverflow: return DISP_E_OVERFLOW;
    case errWrongArgumentCount: return DISP_E_BADPARAMCOUNT;
    case errNotSupported: return DISP_E_MEMBERNOTFOUND;
    case errArgumentNotOptional: return DISP_E_PARAMNOTOPTIONAL;
    default: break;
  }
  if (excep) {
    *excep = EXCEPINFO{};
    excep->bstrSource = vornSysAllocString("vornButton2");
    excep->bstrDescription = vornSysAllocString(e.what());
    excep->scode = static_cast<int32_t>(0x800A0000u | static_cast<uint32_t>(e.Number() & 0xFFFF));
  }
  return DISP_E_EXCEPTION;
}

}  // namespace vorn

extern "C" HRESULT vornGetErrorInfo(int32_t* number, BSTR* description) {
  if (!vorn::t_lastError.set) return S_FALSE;
  if (number) *number = vorn::t_lastError.number;
  if (description) *description = vornSysAllocString(vorn::t_lastError.text.c_str());
  vorn::t_lastError = {};
  return S_OK;
}
