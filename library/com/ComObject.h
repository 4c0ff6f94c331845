#pragma once
// The library's objects as COM sees them: one wrapper per library object, answering IDispatch and
// whatever further interfaces the platform lists (ComPlatform.h), with the counts DllCanUnloadNow
// reads.
#include <cstdint>
#include <memory>
#include <vector>

#include "foundation/Events.h"
#include "foundation/Object.h"
#include "library/TypeLibrary.h"
#include "library/com/ComTypes.h"

namespace vorn {

class ControlSite;
struct DispatchObject;
struct ConnectionPointObject;
/// What a platform keeps per object, defined by each platform (Windows: the control's embedding
/// in a container; nothing on Linux).
struct PlatformState;
struct PlatformStateDeleter {
  void operator()(PlatformState* state) const noexcept;  // defined with PlatformState
};

/// An interface pointer of a DispatchObject: the interface's function table, then the way back.
struct Facet {
  const void* lpVtbl;
  DispatchObject* owner;
};

/// One interface the library's objects may answer: its function table, and whether an object
/// answers a requested interface identifier with it. Adding an interface is a new file with its
/// table and one entry in the platform's list (ObjectInterfaces).
struct InterfaceEntry {
  const void* vtbl;
  bool (*answers)(const DispatchObject& object, const IID& iid);
};

/// A library object seen through IDispatch and the platform's further interfaces. One wrapper per
/// object, so an object keeps its identity across calls; IUnknown is always the IDispatch pointer.
struct DispatchObject {
  struct Sink {
    uint32_t cookie;
    std::unique_ptr<EventSink> adapter;
  };

  Facet dispatch{};
  uint32_t refs = 0;
  Ref<Object> object;                 // null for a control not yet placed on a site
  const LibraryClass* cls = nullptr;  // the class of the object (or the one a factory made it for)
  ControlSite* site = nullptr;        // the control's site, once it has one
  ConnectionPointObject* point = nullptr;  // the one connection point, while anyone holds it
  std::vector<Sink> sinks;                 // the host's sinks advised on the control
  std::vector<std::unique_ptr<Facet>> facets;  // further interface pointers, made on first request
  std::unique_ptr<PlatformState, PlatformStateDeleter> platform;  // made by the platform on first use

  /// The wrapper of an object (made on first use); its reference count is raised.
  static IDispatch* Wrap(const Ref<Object>& object);
  /// A control from a factory, waiting for its site.
  static DispatchObject* NewControl(const LibraryClass& cls);

  /// Makes this the wrapper of a control just created for it.
  void Bind(Ref<Object> control);
  bool IsControl() const noexcept;
  /// The object behind, or for a control that has no site yet what the platform makes of it
  /// without one (null where the platform waits for a site).
  Object* Ready();

  HRESULT QueryInterface(ComRefIid riid, void** ppv);
  ComCount AddRef() noexcept { return ++refs; }
  ComCount Release() noexcept;
  IDispatch* AsDispatch() noexcept { return reinterpret_cast<IDispatch*>(&dispatch); }
};

/// The wrapper behind one of its interface pointers.
inline DispatchObject* OwnerOf(const void* iface) noexcept { return static_cast<const Facet*>(iface)->owner; }

/// The library object behind an interface pointer this library made (null for a foreign one).
Object* ObjectBehind(IUnknown* unknown);
/// The wrapper behind an interface pointer this library made (null for a foreign one).
DispatchObject* WrapperBehind(IUnknown* unknown);

/// Live wrappers, factories, connection points and enumerators, and server locks (DllCanUnloadNow).
int32_t LiveComObjects() noexcept;
void CountComObject(int32_t delta) noexcept;
void LockServer(bool lock) noexcept;
int32_t ServerLocks() noexcept;

/// QueryInterface of an object with one interface of its own besides IUnknown (a factory, a
/// connection point, an enumerator): answers with itself and raises its count.
inline HRESULT AnswerWithSelf(void* self, ComRefIid riid, const IID& own, ComCount& refs, void** ppv) {
  if (!ppv) return E_POINTER;
  if (IsIid(riid, IID_IUnknown) || IsIid(riid, own)) {
    *ppv = self;
    ++refs;
    return S_OK;
  }
  *ppv = nullptr;
  return E_NOINTERFACE;
}

// The first three entries of every facet's function table.
template <class I>
HRESULT VORN_COM_CALL FacetQueryInterface(I* self, ComRefIid riid, void** ppv) {
  return OwnerOf(self)->QueryInterface(riid, ppv);
}
template <class I>
ComCount VORN_COM_CALL FacetAddRef(I* self) {
  return OwnerOf(self)->AddRef();
}
template <class I>
ComCount VORN_COM_CALL FacetRelease(I* self) {
  return OwnerOf(self)->Release();
}

}  // namespace vorn
