// IOleInPlaceObject (and IOleWindow) of a control: its window, deactivation and its place in the
// container's window.
#include "library/com/ComPlatform.h"
#include "library/win32/Embedding.h"
#include "library/win32/Win32Interfaces.h"

namespace vorn {

namespace {

Embedding& E(IOleInPlaceObject* self) { return EmbeddingOf(*OwnerOf(self)); }

HRESULT VORN_COM_CALL IpGetWindow(IOleInPlaceObject* self, HWND* window) {
  if (!window) return E_POINTER;
  *window = nullptr;
  Embedding& e = E(self);
  HostedSite* hosted = e.InPlace() ? e.Hosted() : nullptr;
  if (!hosted) return E_FAIL;
  *window = reinterpret_cast<HWND>(static_cast<intptr_t>(static_cast<int32_t>(hosted->Window())));
  return S_OK;
}
HRESULT VORN_COM_CALL IpContextSensitiveHelp(IOleInPlaceObject*, BOOL) { return E_NOTIMPL; }
HRESULT VORN_COM_CALL IpInPlaceDeactivate(IOleInPlaceObject* self) { return E(self).InPlaceDeactivate(); }
HRESULT VORN_COM_CALL IpUIDeactivate(IOleInPlaceObject* self) { return E(self).UIDeactivate(); }
HRESULT VORN_COM_CALL IpSetObjectRects(IOleInPlaceObject* self, LPCRECT position, LPCRECT) {
  if (!position) return E_POINTER;
  HostedSite* hosted = E(self).Hosted();
  if (!hosted) return E_UNEXPECTED;
  hosted->Place(RectL{position->left, position->top, position->right, position->bottom});
  return S_OK;
}
HRESULT VORN_COM_CALL IpReactivateAndUndo(IOleInPlaceObject*) { return E_NOTIMPL; }

}  // namespace

const IOleInPlaceObjectVtbl kOleInPlaceObjectVtbl = {
    FacetQueryInterface<IOleInPlaceObject>, FacetAddRef<IOleInPlaceObject>, FacetRelease<IOleInPlaceObject>,
    IpGetWindow, IpContextSensitiveHelp, IpInPlaceDeactivate, IpUIDeactivate, IpSetObjectRects, IpReactivateAndUndo};

bool AnswersOleInPlaceObject(const DispatchObject& object, const IID& iid) {
  return IsEmbeddable(object) && (IsEqualIID(iid, IID_IOleInPlaceObject) || IsEqualIID(iid, IID_IOleWindow));
}

}  // namespace vorn
