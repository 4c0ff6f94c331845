#pragma once
// The objects the library hands across its C interface: dispatch wrappers of library objects,
// connection points, enumerators and class factories, with the counts DllCanUnloadNow reads.
#include <map>
#include <memory>

#include "foundation/Control.h"
#include "foundation/Events.h"
#include "library/TypeLibrary.h"
#include "library/vornbutton2.h"

namespace vorn {

struct DispatchObject;
struct ConnectionPointObject;

/// Interface pointers with a way back to the object behind them.
struct DispatchIface {
  const IDispatchVtbl* lpVtbl;
  DispatchObject* owner;
};
struct ContainerIface {
  const IConnectionPointContainerVtbl* lpVtbl;
  DispatchObject* owner;
};
struct ControlIface {
  const IVornControlVtbl* lpVtbl;
  DispatchObject* owner;
};

/// A library object seen through IDispatch (and, for controls, IConnectionPointContainer and
/// IVornControl). One wrapper per object, so an object keeps its identity across calls.
struct DispatchObject {
  DispatchIface dispatch;
  ContainerIface container;
  ControlIface control;
  uint32_t refs = 0;
  Ref<Object> object;                 // null for a control not yet placed on a site
  const LibraryClass* cls = nullptr;  // the class a factory made it for
  ControlSite* site = nullptr;
  ConnectionPointObject* point = nullptr;  // the one connection point, while anyone holds it

  /// The wrapper of an object (made on first use); its reference count is raised.
  static IDispatch* Wrap(const Ref<Object>& object);
  /// A control from a factory, waiting for its site.
  static DispatchObject* NewControl(const LibraryClass& cls);
  Control* AsControl() const noexcept;
};

/// The library object behind an interface pointer this library made (null for a foreign one).
Object* ObjectBehind(IUnknown* unknown);

/// Live wrappers, factories and connection points, and server locks (DllCanUnloadNow).
int32_t LiveComObjects() noexcept;
int32_t& ServerLocks() noexcept;
void CountComObject(int32_t delta) noexcept;

/// A class factory for one creatable control class.
IClassFactory* NewClassFactory(const LibraryClass& cls);

/// The HRESULT for a run-time error, with the exception information filled in.
HRESULT ErrorResult(const RuntimeError& e, EXCEPINFO* excep);

bool IsIid(const IID* riid, const IID& iid);

}  // namespace vorn
