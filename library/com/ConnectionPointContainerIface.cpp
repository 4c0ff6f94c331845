// IConnectionPointContainer of a control: the connection point of its event interface, and those
// the platform adds.
#include "library/com/ComPlatform.h"
#include "library/com/ConnectionPointIface.h"
#include "library/com/Interfaces.h"

namespace vorn {

namespace {

HRESULT VORN_COM_CALL CcEnumConnectionPoints(IConnectionPointContainer*, ComEnumPointsOut out) {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}

HRESULT VORN_COM_CALL CcFindConnectionPoint(IConnectionPointContainer* self, ComRefIid riid, IConnectionPoint** point) {
  if (!point) return E_POINTER;
  *point = nullptr;
  DispatchObject* d = OwnerOf(self);
  if (!d->cls || !d->cls->eventIid) return CONNECT_E_NOCONNECTION;
  if (!(IsIid(riid, *d->cls->eventIid) || IsIid(riid, IID_IDispatch))) return OtherConnectionPoint(*d, riid, point);
  *point = ConnectionPointFor(*d);
  return S_OK;
}

}  // namespace

const IConnectionPointContainerVtbl kConnectionPointContainerVtbl = {
    FacetQueryInterface<IConnectionPointContainer>, FacetAddRef<IConnectionPointContainer>,
    FacetRelease<IConnectionPointContainer>, CcEnumConnectionPoints, CcFindConnectionPoint};

bool AnswersConnectionPoints(const DispatchObject& object, const IID& iid) {
  return object.IsControl() && SameGuid(iid, IID_IConnectionPointContainer);
}

}  // namespace vorn
