// The connection point of a control's property change notifications (IPropertyNotifySink): a
// property set through the control tells each advised sink its dispatch identifier (OnChanged).
#include "library/com/ComPlatform.h"
#include "library/com/Interfaces.h"
#include "library/win32/Embedding.h"

namespace vorn {

namespace {

struct NotifyPoint {
  const IConnectionPointVtbl* lpVtbl;
  DispatchObject* owner;
  ULONG refs;
};

NotifyPoint* Self(IConnectionPoint* p) { return reinterpret_cast<NotifyPoint*>(p); }

HRESULT VORN_COM_CALL NpQueryInterface(IConnectionPoint* self, REFIID riid, void** ppv) {
  return AnswerWithSelf(self, riid, IID_IConnectionPoint, Self(self)->refs, ppv);
}
ULONG VORN_COM_CALL NpAddRef(IConnectionPoint* self) { return ++Self(self)->refs; }
ULONG VORN_COM_CALL NpRelease(IConnectionPoint* self) {
  NotifyPoint* p = Self(self);
  const ULONG left = --p->refs;
  if (left == 0) {
    DispatchObject* owner = p->owner;
    EmbeddingOf(*owner).notifyPoint = nullptr;
    delete p;
    CountComObject(-1);
    owner->Release();
  }
  return left;
}
HRESULT VORN_COM_CALL NpGetConnectionInterface(IConnectionPoint*, IID* iid) {
  if (!iid) return E_POINTER;
  *iid = IID_IPropertyNotifySink;
  return S_OK;
}
HRESULT VORN_COM_CALL NpGetConnectionPointContainer(IConnectionPoint* self, IConnectionPointContainer** container) {
  return Self(self)->owner->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(container));
}
HRESULT VORN_COM_CALL NpAdvise(IConnectionPoint* self, IUnknown* sink, DWORD* cookie) {
  if (!sink || !cookie) return E_POINTER;
  *cookie = 0;
  IPropertyNotifySink* notify = nullptr;
  if (FAILED(sink->lpVtbl->QueryInterface(sink, IID_IPropertyNotifySink, reinterpret_cast<void**>(&notify))) ||
      !notify) {
    return CONNECT_E_CANNOTCONNECT;
  }
  Embedding& e = EmbeddingOf(*Self(self)->owner);
  *cookie = e.nextCookie++;
  e.notifySinks.push_back({*cookie, notify});
  return S_OK;
}
HRESULT VORN_COM_CALL NpUnadvise(IConnectionPoint* self, DWORD cookie) {
  Embedding& e = EmbeddingOf(*Self(self)->owner);
  for (auto it = e.notifySinks.begin(); it != e.notifySinks.end(); ++it) {
    if (it->cookie != cookie) continue;
    IPropertyNotifySink* sink = it->sink;
    e.notifySinks.erase(it);
    sink->lpVtbl->Release(sink);
    return S_OK;
  }
  return CONNECT_E_NOCONNECTION;
}
HRESULT VORN_COM_CALL NpEnumConnections(IConnectionPoint*, IEnumConnections** out) {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}
const IConnectionPointVtbl kNotifyPointVtbl = {NpQueryInterface, NpAddRef, NpRelease, NpGetConnectionInterface,
                                               NpGetConnectionPointContainer, NpAdvise, NpUnadvise, NpEnumConnections};

}  // namespace

HRESULT OtherConnectionPoint(DispatchObject& d, REFIID riid, IConnectionPoint** point) {
  if (!IsEmbeddable(d) || !IsEqualIID(riid, IID_IPropertyNotifySink)) return CONNECT_E_NOCONNECTION;
  Embedding& e = EmbeddingOf(d);
  if (!e.notifyPoint) {
    e.notifyPoint = reinterpret_cast<IConnectionPoint*>(new NotifyPoint{&kNotifyPointVtbl, &d, 0});
    CountComObject(1);
    d.AddRef();  // the point keeps its container alive
  }
  e.notifyPoint->lpVtbl->AddRef(e.notifyPoint);
  *point = e.notifyPoint;
  return S_OK;
}

}  // namespace vorn
