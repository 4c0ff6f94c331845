// IOleObject of a control: its client site, activation verbs, extent, advise sinks and the
// miscellaneous status bits that tell a container how to activate it.
#include "library/com/ComPlatform.h"
#include "library/win32/Embedding.h"
#include "library/win32/Registration.h"
#include "library/win32/Win32Interfaces.h"

namespace vorn {

namespace {

Embedding& E(IOleObject* self) { return EmbeddingOf(*OwnerOf(self)); }

int32_t Dpi(int axis) {
  HDC dc = GetDC(nullptr);
  const int dpi = dc ? GetDeviceCaps(dc, axis) : 96;
  if (dc) ReleaseDC(nullptr, dc);
  return dpi > 0 ? dpi : 96;
}

HRESULT VORN_COM_CALL OoSetClientSite(IOleObject* self, IOleClientSite* site) {
  E(self).SetClientSite(site);
  return S_OK;
}
HRESULT VORN_COM_CALL OoGetClientSite(IOleObject* self, IOleClientSite** site) {
  if (!site) return E_POINTER;
  *site = E(self).ClientSite();
  if (*site) (*site)->lpVtbl->AddRef(*site);
  return S_OK;
}
HRESULT VORN_COM_CALL OoSetHostNames(IOleObject*, LPCOLESTR, LPCOLESTR) { return S_OK; }
HRESULT VORN_COM_CALL OoClose(IOleObject* self, DWORD saveOption) {
  Embedding& e = E(self);
  if (saveOption == OLECLOSE_SAVEIFDIRTY && e.dirty && e.ClientSite()) {
    e.ClientSite()->lpVtbl->SaveObject(e.ClientSite());
  }
  e.InPlaceDeactivate();
  return S_OK;
}
HRESULT VORN_COM_CALL OoSetMoniker(IOleObject*, DWORD, IMoniker*) { return E_NOTIMPL; }
HRESULT VORN_COM_CALL OoGetMoniker(IOleObject*, DWORD, DWORD, IMoniker** m) {
  if (m) *m = nullptr;
  return E_NOTIMPL;
}
HRESULT VORN_COM_CALL OoInitFromData(IOleObject*, IDataObject*, BOOL, DWORD) { return E_NOTIMPL; }
HRESULT VORN_COM_CALL OoGetClipboardData(IOleObject*, DWORD, IDataObject** data) {
  if (data) *data = nullptr;
  return E_NOTIMPL;
}
HRESULT VORN_COM_CALL OoDoVerb(IOleObject* self, LONG verb, LPMSG, IOleClientSite* activeSite, LONG, HWND,
                              LPCRECT position) {
  Embedding& e = E(self);
  switch (verb) {
    case OLEIVERB_PRIMARY:
    case OLEIVERB_SHOW:
    case OLEIVERB_UIACTIVATE: return e.InPlaceActivate(activeSite, true, position);
    case OLEIVERB_INPLACEACTIVATE: return e.InPlaceActivate(activeSite, false, position);
    case OLEIVERB_HIDE: return e.InPlaceDeactivate();
    default: return OLEOBJ_S_INVALIDVERB;
  }
}
HRESULT VORN_COM_CALL OoEnumVerbs(IOleObject* self, IEnumOLEVERB** verbs) {
  return OleRegEnumVerbs(*OwnerOf(self)->cls->clsid, verbs);
}
HRESULT VORN_COM_CALL OoUpdate(IOleObject*) { return S_OK; }
HRESULT VORN_COM_CALL OoIsUpToDate(IOleObject*) { return S_OK; }
HRESULT VORN_COM_CALL OoGetUserClassID(IOleObject* self, CLSID* clsid) {
  if (!clsid) return E_POINTER;
  *clsid = *OwnerOf(self)->cls->clsid;
  return S_OK;
}
HRESULT VORN_COM_CALL OoGetUserType(IOleObject* self, DWORD form, LPOLESTR* type) {
  return OleRegGetUserType(*OwnerOf(self)->cls->clsid, form, type);
}
// Extents are in HIMETRIC (hundredths of a millimetre).
HRESULT VORN_COM_CALL OoSetExtent(IOleObject* self, DWORD aspect, SIZEL* size) {
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (!size || size->cx < 0 || size->cy < 0) return E_INVALIDARG;
  E(self).SetExtentPx(MulDiv(size->cx, Dpi(LOGPIXELSX), 2540), MulDiv(size->cy, Dpi(LOGPIXELSY), 2540));
  return S_OK;
}
HRESULT VORN_COM_CALL OoGetExtent(IOleObject* self, DWORD aspect, SIZEL* size) {
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (!size) return E_POINTER;
  const SIZE px = E(self).ExtentPx();
  size->cx = MulDiv(px.cx, 2540, Dpi(LOGPIXELSX));
  size->cy = MulDiv(px.cy, 2540, Dpi(LOGPIXELSY));
  return S_OK;
}
HRESULT VORN_COM_CALL OoAdvise(IOleObject* self, IAdviseSink* sink, DWORD* cookie) {
  Embedding& e = E(self);
  if (!e.adviseHolder && FAILED(CreateOleAdviseHolder(&e.adviseHolder))) return E_OUTOFMEMORY;
  return e.adviseHolder->lpVtbl->Advise(e.adviseHolder, sink, cookie);
}
HRESULT VORN_COM_CALL OoUnadvise(IOleObject* self, DWORD cookie) {
  Embedding& e = E(self);
  if (!e.adviseHolder) return OLE_E_NOCONNECTION;
  return e.adviseHolder->lpVtbl->Unadvise(e.adviseHolder, cookie);
}
HRESULT VORN_COM_CALL OoEnumAdvise(IOleObject* self, IEnumSTATDATA** list) {
  Embedding& e = E(self);
  if (list) *list = nullptr;
  if (!e.adviseHolder) return S_OK;
  return e.adviseHolder->lpVtbl->EnumAdvise(e.adviseHolder, list);
}
HRESULT VORN_COM_CALL OoGetMiscStatus(IOleObject* self, DWORD aspect, DWORD* status) {
  if (!status) return E_POINTER;
  *status = aspect == DVASPECT_CONTENT ? MiscStatusOf(*OwnerOf(self)->cls) : 0;
  return S_OK;
}
HRESULT VORN_COM_CALL OoSetColorScheme(IOleObject*, LOGPALETTE*) { return E_NOTIMPL; }

}  // namespace

const IOleObjectVtbl kOleObjectVtbl = {
    FacetQueryInterface<IOleObject>, FacetAddRef<IOleObject>, FacetRelease<IOleObject>, OoSetClientSite,
    OoGetClientSite, OoSetHostNames, OoClose, OoSetMoniker, OoGetMoniker, OoInitFromData, OoGetClipboardData,
    OoDoVerb, OoEnumVerbs, OoUpdate, OoIsUpToDate, OoGetUserClassID, OoGetUserType, OoSetExtent, OoGetExtent,
    OoAdvise, OoUnadvise, OoEnumAdvise, OoGetMiscStatus, OoSetColorScheme};

bool AnswersOleObject(const DispatchObject& object, const IID& iid) {
  return IsEmbeddable(object) && IsEqualIID(iid, IID_IOleObject);
}

}  // namespace vorn
