// IOleInPlaceActiveObject of a control: what the container's frame tells its active object. The
// control takes its keys through its own window, so it translates no accelerators.
#include "library/com/ComPlatform.h"
#include "library/win32/Embedding.h"
#include "library/win32/Win32Interfaces.h"

namespace vorn {

namespace {

HRESULT VORN_COM_CALL IaGetWindow(IOleInPlaceActiveObject* self, HWND* window) {
  if (!window) return E_POINTER;
  *window = nullptr;
  Embedding& e = EmbeddingOf(*OwnerOf(self));
  HostedSite* hosted = e.InPlace() ? e.Hosted() : nullptr;
  if (!hosted) return E_FAIL;
  *window = reinterpret_cast<HWND>(static_cast<intptr_t>(static_cast<int32_t>(hosted->Window())));
  return S_OK;
}
HRESULT VORN_COM_CALL IaContextSensitiveHelp(IOleInPlaceActiveObject*, BOOL) { return E_NOTIMPL; }
HRESULT VORN_COM_CALL IaTranslateAccelerator(IOleInPlaceActiveObject*, LPMSG) { return S_FALSE; }
HRESULT VORN_COM_CALL IaOnFrameWindowActivate(IOleInPlaceActiveObject*, BOOL) { return S_OK; }
HRESULT VORN_COM_CALL IaOnDocWindowActivate(IOleInPlaceActiveObject*, BOOL) { return S_OK; }
HRESULT VORN_COM_CALL IaResizeBorder(IOleInPlaceActiveObject*, LPCRECT, IOleInPlaceUIWindow*, BOOL) { return S_OK; }
HRESULT VORN_COM_CALL IaEnableModeless(IOleInPlaceActiveObject*, BOOL) { return S_OK; }

}  // namespace

const IOleInPlaceActiveObjectVtbl kOleInPlaceActiveObjectVtbl = {
    FacetQueryInterface<IOleInPlaceActiveObject>, FacetAddRef<IOleInPlaceActiveObject>,
    FacetRelease<IOleInPlaceActiveObject>, IaGetWindow, IaContextSensitiveHelp, IaTranslateAccelerator,
    IaOnFrameWindowActivate, IaOnDocWindowActivate, IaResizeBorder, IaEnableModeless};

bool AnswersOleInPlaceActiveObject(const DispatchObject& object, const IID& iid) {
  return IsEmbeddable(object) && IsEqualIID(iid, IID_IOleInPlaceActiveObject);
}

}  // namespace vorn
