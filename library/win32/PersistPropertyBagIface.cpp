// IPersistPropertyBag of a control: a new instance, or its stored properties by name in the
// container's property bag, with the names, order and defaults of the control's property table.
#include "library/com/ComPlatform.h"
#include "library/com/ControlLifecycle.h"
#include "library/win32/Embedding.h"
#include "library/win32/StoredProperties.h"
#include "library/win32/Win32Interfaces.h"

namespace vorn {

namespace {

HRESULT VORN_COM_CALL PbGetClassID(IPersistPropertyBag* self, CLSID* clsid) {
  if (!clsid) return E_POINTER;
  *clsid = *OwnerOf(self)->cls->clsid;
  return S_OK;
}
HRESULT VORN_COM_CALL PbInitNew(IPersistPropertyBag* self) {
  ClearErrorInfo();
  return EmbeddingOf(*OwnerOf(self)).Start(nullptr);
}
HRESULT VORN_COM_CALL PbLoad(IPersistPropertyBag* self, IPropertyBag* bag, IErrorLog* log) {
  ClearErrorInfo();
  if (!bag) return E_POINTER;
  ContainerBag properties(bag, log, false);
  return EmbeddingOf(*OwnerOf(self)).Start(&properties);
}
HRESULT VORN_COM_CALL PbSave(IPersistPropertyBag* self, IPropertyBag* bag, BOOL clearDirty, BOOL saveAll) {
  ClearErrorInfo();
  if (!bag) return E_POINTER;
  DispatchObject& d = *OwnerOf(self);
  try {
    Object* object = d.Ready();
    if (!object) return E_UNEXPECTED;
    ContainerBag properties(bag, nullptr, saveAll != 0);
    SaveControl(*object, properties);
    if (FAILED(properties.WriteResult())) return properties.WriteResult();
    if (clearDirty) EmbeddingOf(d).dirty = false;
    return S_OK;
  } catch (const RuntimeError& e) {
    return ErrorResult(e, nullptr);
  }
}

}  // namespace

const IPersistPropertyBagVtbl kPersistPropertyBagVtbl = {
    FacetQueryInterface<IPersistPropertyBag>, FacetAddRef<IPersistPropertyBag>, FacetRelease<IPersistPropertyBag>,
    PbGetClassID, PbInitNew, PbLoad, PbSave};

bool AnswersPersistPropertyBag(const DispatchObject& object, const IID& iid) {
  return IsEmbeddable(object) && IsEqualIID(iid, IID_IPersistPropertyBag);
}

}  // namespace vorn
