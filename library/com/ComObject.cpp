#include "library/com/ComObject.h"

#include <atomic>
#include <unordered_map>

#include "library/com/ComPlatform.h"
#include "library/com/ControlLifecycle.h"
#include "library/com/Interfaces.h"

namespace vorn {

namespace {

// Read by DllCanUnloadNow, which the system may call from another thread.
std::atomic<int32_t> g_liveComObjects{0};
std::atomic<int32_t> g_serverLocks{0};

std::unordered_map<const Object*, DispatchObject*>& Wrappers() {
  static std::unordered_map<const Object*, DispatchObject*> map;
  return map;
}

DispatchObject* NewWrapper() {
  auto* d = new DispatchObject;
  d->dispatch = {&kDispatchVtbl, d};
  CountComObject(1);
  return d;
}

bool IsOurs(const void* vtbl) {
  if (vtbl == &kDispatchVtbl) return true;
  for (const InterfaceEntry& e : ObjectInterfaces()) {
    if (e.vtbl == vtbl) return true;
  }
  return false;
}

}  // namespace

IDispatch* DispatchObject::Wrap(const Ref<Object>& object) {
  auto& map = Wrappers();
  DispatchObject* d = nullptr;
  if (auto it = map.find(object.get()); it != map.end()) {
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
  d->AddRef();
  return d->AsDispatch();
}

DispatchObject* DispatchObject::NewControl(const LibraryClass& cls) {
  DispatchObject* d = NewWrapper();
  d->cls = &cls;
  return d;
}

bool DispatchObject::IsControl() const noexcept { return cls && cls->kind == ClassKind::Control; }

void DispatchObject::Bind(Ref<Object> control) {
  object = std::move(control);
  Wrappers()[object.get()] = this;
}

Object* DispatchObject::Ready() {
  if (!object && IsControl()) StartWithoutSite(*this);
  return object.get();
}

HRESULT DispatchObject::QueryInterface(ComRefIid riid, void** ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  const IID* iid = IidPointer(riid);
  if (!iid) return E_INVALIDARG;
  if (IsIid(riid, IID_IUnknown) || IsIid(riid, IID_IDispatch) || (cls && IsIid(riid, *cls->defaultIid))) {
    *ppv = &dispatch;
  } else {
    const InterfaceEntry* found = nullptr;
    for (const InterfaceEntry& e : ObjectInterfaces()) {
      if (e.answers(*this, *iid)) {
        found = &e;
        break;
      }
    }
    if (!found) return E_NOINTERFACE;
    if (found->vtbl == &kDispatchVtbl) {
      *ppv = &dispatch;
    } else {
      Facet* facet = nullptr;
      for (const auto& f : facets) {
        if (f->lpVtbl == found->vtbl) facet = f.get();
      }
      if (!facet) facet = facets.emplace_back(new Facet{found->vtbl, this}).get();
      *ppv = facet;
    }
  }
  AddRef();
  return S_OK;
}

ComCount DispatchObject::Release() noexcept {
  const uint32_t left = --refs;
  if (left) return left;
  // The last reference: drop the host's sinks, end a control a factory made, let the object go.
  if (ConnectionPoint* cp = ConnectionsOf(object.get())) {
    for (const Sink& s : sinks) cp->Unadvise(s.cookie);
  }
  sinks.clear();
  if (object) {
    Wrappers().erase(object.get());
    if (site) TerminateControl(*object);
  }
  delete this;
  CountComObject(-1);
  return 0;
}

DispatchObject* WrapperBehind(IUnknown* unknown) {
  if (!unknown || !IsOurs(unknown->lpVtbl)) return nullptr;
  return OwnerOf(unknown);
}

Object* ObjectBehind(IUnknown* unknown) {
  DispatchObject* d = WrapperBehind(unknown);
  return d ? d->object.get() : nullptr;
}

int32_t LiveComObjects() noexcept { return g_liveComObjects.load(); }
void CountComObject(int32_t delta) noexcept { g_liveComObjects += delta; }
int32_t ServerLocks() noexcept { return g_serverLocks.load(); }
void LockServer(bool lock) noexcept {
  if (lock) {
    ++g_serverLocks;
  } else if (g_serverLocks.load() > 0) {
    --g_serverLocks;
  }
}

}  // namespace vorn
