// IVornControl: how a Linux host places a control on its own site and starts, loads or saves it.
#include "library/com/ComPlatform.h"
#include "library/com/ControlLifecycle.h"

namespace vorn {

namespace {

HRESULT VORN_COM_CALL VcSetSite(IVornControl* self, void* site) {
  ClearErrorInfo();
  DispatchObject* d = OwnerOf(self);
  if (!site) return E_POINTER;
  if (d->object || !d->cls || !d->cls->create) return E_UNEXPECTED;
  try {
    d->site = static_cast<ControlSite*>(site);
    d->Bind(CreateControl(*d->cls, *d->site));
    return S_OK;
  } catch (const RuntimeError& e) {
    return ErrorResult(e, nullptr);
  }
}

HRESULT Start(IVornControl* self, PropertyBag* bag) {
  ClearErrorInfo();
  DispatchObject* d = OwnerOf(self);
  if (!d->object || ControlStarted(*d->object)) return E_UNEXPECTED;  // started once only
  try {
    StartAndShowControl(*d->object, bag);
    return S_OK;
  } catch (const RuntimeError& e) {
    return ErrorResult(e, nullptr);
  }
}
HRESULT VORN_COM_CALL VcInitNew(IVornControl* self) { return Start(self, nullptr); }
HRESULT VORN_COM_CALL VcLoad(IVornControl* self, void* bag) {
  if (!bag) return E_POINTER;
  return Start(self, static_cast<PropertyBag*>(bag));
}
HRESULT VORN_COM_CALL VcSave(IVornControl* self, void* bag) {
  ClearErrorInfo();
  DispatchObject* d = OwnerOf(self);
  if (!d->object) return E_UNEXPECTED;
  if (!bag) return E_POINTER;
  try {
    SaveControl(*d->object, *static_cast<PropertyBag*>(bag));
    return S_OK;
  } catch (const RuntimeError& e) {
    return ErrorResult(e, nullptr);
  }
}

}  // namespace

extern const IVornControlVtbl kVornControlVtbl;
const IVornControlVtbl kVornControlVtbl = {FacetQueryInterface<IVornControl>, FacetAddRef<IVornControl>,
                                           FacetRelease<IVornControl>, VcSetSite, VcInitNew, VcLoad, VcSave};

}  // namespace vorn
