// IViewObject2 of a control: its picture, with everything inside it, drawn into any device
// context a container gives (to print, preview, or show a control it does not activate).
#include "library/com/ComPlatform.h"
#include "library/win32/Embedding.h"
#include "library/win32/Win32Interfaces.h"

namespace vorn {

namespace {

Embedding& E(IViewObject2* self) { return EmbeddingOf(*OwnerOf(self)); }

HRESULT VORN_COM_CALL VoDraw(IViewObject2* self, DWORD aspect, LONG, void*, DVTARGETDEVICE*, HDC, HDC dc,
                             LPCRECTL bounds, LPCRECTL, BOOL(STDMETHODCALLTYPE*)(ULONG_PTR), ULONG_PTR) {
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (!dc || !bounds) return E_INVALIDARG;
  Embedding& e = E(self);
  HostedSite* hosted = e.Hosted();
  if (!hosted) return OLE_E_BLANK;  // started without a container: it has no picture
  hosted->Draw(reinterpret_cast<uintptr_t>(dc), RectL{bounds->left, bounds->top, bounds->right, bounds->bottom});
  e.pictureReported = false;
  return S_OK;
}
HRESULT VORN_COM_CALL VoGetColorSet(IViewObject2*, DWORD, LONG, void*, DVTARGETDEVICE*, HDC, LOGPALETTE** set) {
  if (set) *set = nullptr;
  return S_FALSE;
}
HRESULT VORN_COM_CALL VoFreeze(IViewObject2*, DWORD, LONG, void*, DWORD*) { return E_NOTIMPL; }
HRESULT VORN_COM_CALL VoUnfreeze(IViewObject2*, DWORD) { return E_NOTIMPL; }
HRESULT VORN_COM_CALL VoSetAdvise(IViewObject2* self, DWORD aspects, DWORD flags, IAdviseSink* sink) {
  Embedding& e = E(self);
  if (sink) sink->lpVtbl->AddRef(sink);
  if (e.viewSink) e.viewSink->lpVtbl->Release(e.viewSink);
  e.viewSink = sink;
  e.viewAspects = aspects;
  e.viewFlags = flags;
  e.pictureReported = false;
  return S_OK;
}
HRESULT VORN_COM_CALL VoGetAdvise(IViewObject2* self, DWORD* aspects, DWORD* flags, IAdviseSink** sink) {
  Embedding& e = E(self);
  if (aspects) *aspects = e.viewAspects;
  if (flags) *flags = e.viewFlags;
  if (sink) {
    *sink = e.viewSink;
    if (*sink) (*sink)->lpVtbl->AddRef(*sink);
  }
  return S_OK;
}
HRESULT VORN_COM_CALL VoGetExtent(IViewObject2* self, DWORD aspect, LONG, DVTARGETDEVICE*, LPSIZEL size) {
  if (aspect != DVASPECT_CONTENT) return DV_E_DVASPECT;
  if (!size) return E_POINTER;
  const SIZE px = E(self).ExtentPx();
  HDC screen = GetDC(nullptr);
  size->cx = MulDiv(px.cx, 2540, GetDeviceCaps(screen, LOGPIXELSX));
  size->cy = MulDiv(px.cy, 2540, GetDeviceCaps(screen, LOGPIXELSY));
  ReleaseDC(nullptr, screen);
  return S_OK;
}

}  // namespace

const IViewObject2Vtbl kViewObject2Vtbl = {FacetQueryInterface<IViewObject2>, FacetAddRef<IViewObject2>,
                                           FacetRelease<IViewObject2>, VoDraw, VoGetColorSet, VoFreeze, VoUnfreeze,
                                           VoSetAdvise, VoGetAdvise, VoGetExtent};

bool AnswersViewObject(const DispatchObject& object, const IID& iid) {
  return IsEmbeddable(object) && (IsEqualIID(iid, IID_IViewObject) || IsEqualIID(iid, IID_IViewObject2));
}

}  // namespace vorn
