// IConnectionPoint: a host's dispatch sinks on a control's events.
#include "library/com/ConnectionPointIface.h"

#include <vector>

#include "library/com/ComPlatform.h"
#include "library/com/ControlLifecycle.h"
#include "library/com/VariantMarshal.h"

namespace vorn {

struct ConnectionPointObject {
  const IConnectionPointVtbl* lpVtbl;
  DispatchObject* owner;
  ComCount refs = 0;
};

namespace {

const IID kNullIid{};

// Delivers an event to a host's IDispatch sink with every argument by reference, then reads back
// what the sink left in them, keeping each argument's type.
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
      MakeByRef(values[i], refs[n - 1 - i]);  // automation passes the last argument first
    }
    DISPPARAMS params{refs.data(), nullptr, static_cast<ComUint>(n), 0};
    sink_->lpVtbl->Invoke(sink_, id, IidArg(kNullIid), 0x0409, DISPATCH_METHOD, &params, nullptr, nullptr,
                          nullptr);
    for (size_t i = 0; i < n; ++i) {
      try {
        args[i] = OfSameType(args[i], FromVARIANT(values[i]));
      } catch (const RuntimeError&) {
        // A value the argument cannot take leaves it as it was.
      }
      ClearVariant(values[i]);
    }
  }

 private:
  static Variant OfSameType(const Variant& original, const Variant& v) {
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

ConnectionPointObject* Self(IConnectionPoint* p) { return reinterpret_cast<ConnectionPointObject*>(p); }

HRESULT VORN_COM_CALL CpQueryInterface(IConnectionPoint* self, ComRefIid riid, void** ppv) {
  return AnswerWithSelf(self, riid, IID_IConnectionPoint, Self(self)->refs, ppv);
}
ComCount VORN_COM_CALL CpAddRef(IConnectionPoint* self) { return ++Self(self)->refs; }
ComCount VORN_COM_CALL CpRelease(IConnectionPoint* self) {
  ConnectionPointObject* cp = Self(self);
  const ComCount left = --cp->refs;
  if (left == 0) {
    DispatchObject* owner = cp->owner;
    owner->point = nullptr;
    delete cp;
    CountComObject(-1);
    owner->Release();
  }
  return left;
}
HRESULT VORN_COM_CALL CpGetConnectionInterface(IConnectionPoint* self, IID* iid) {
  if (!iid) return E_POINTER;
  *iid = *Self(self)->owner->cls->eventIid;
  return S_OK;
}
HRESULT VORN_COM_CALL CpGetContainer(IConnectionPoint* self, ComContainerOut container) {
  if (!container) return E_POINTER;
  return Self(self)->owner->QueryInterface(IidArg(IID_IConnectionPointContainer),
                                           reinterpret_cast<void**>(container));
}
HRESULT VORN_COM_CALL CpAdvise(IConnectionPoint* self, IUnknown* sink, ComCookie* cookie) {
  if (!sink || !cookie) return E_POINTER;
  *cookie = 0;
  DispatchObject* owner = Self(self)->owner;
  ConnectionPoint* events = nullptr;
  try {
    events = ConnectionsOf(owner->Ready());
  } catch (const RuntimeError& e) {
    return ErrorResult(e, nullptr);
  }
  if (!events) return E_UNEXPECTED;
  IDispatch* disp = nullptr;
  if (sink->lpVtbl->QueryInterface(sink, IidArg(IID_IDispatch), reinterpret_cast<void**>(&disp)) != S_OK || !disp) {
    return CONNECT_E_CANNOTCONNECT;
  }
  auto adapter = std::make_unique<SinkAdapter>(disp);
  disp->lpVtbl->Release(disp);
  const uint32_t c = events->Advise(*adapter);
  owner->sinks.push_back({c, std::move(adapter)});
  *cookie = c;
  return S_OK;
}
HRESULT VORN_COM_CALL CpUnadvise(IConnectionPoint* self, ComCookie cookie) {
  DispatchObject* owner = Self(self)->owner;
  for (auto it = owner->sinks.begin(); it != owner->sinks.end(); ++it) {
    if (it->cookie != cookie) continue;
    if (ConnectionPoint* events = ConnectionsOf(owner->object.get())) events->Unadvise(it->cookie);
    owner->sinks.erase(it);
    return S_OK;
  }
  return CONNECT_E_NOCONNECTION;
}
HRESULT VORN_COM_CALL CpEnumConnections(IConnectionPoint*, ComEnumConnectionsOut out) {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}
const IConnectionPointVtbl kPointVtbl = {CpQueryInterface, CpAddRef,  CpRelease,  CpGetConnectionInterface,
                                         CpGetContainer,   CpAdvise,  CpUnadvise, CpEnumConnections};

}  // namespace

IConnectionPoint* ConnectionPointFor(DispatchObject& d) {
  if (!d.point) {
    d.point = new ConnectionPointObject{&kPointVtbl, &d, 0};
    CountComObject(1);
    d.AddRef();  // the point keeps its container alive
  }
  ++d.point->refs;
  return reinterpret_cast<IConnectionPoint*>(d.point);
}

}  // namespace vorn
