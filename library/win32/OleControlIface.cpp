// IOleControl of a control: no mnemonics or accelerators of its own; ambient properties are read
// when the control needs them, so a change needs no action here.
#include "library/com/ComPlatform.h"
#include "library/win32/Embedding.h"
#include "library/win32/Win32Interfaces.h"

namespace vorn {

namespace {

HRESULT VORN_COM_CALL OcGetControlInfo(IOleControl*, CONTROLINFO* info) {
  if (!info) return E_POINTER;
  info->hAccel = nullptr;
  info->cAccel = 0;
  info->dwFlags = 0;
  return S_OK;
}
HRESULT VORN_COM_CALL OcOnMnemonic(IOleControl*, MSG*) { return S_OK; }
HRESULT VORN_COM_CALL OcOnAmbientPropertyChange(IOleControl*, DISPID) { return S_OK; }
HRESULT VORN_COM_CALL OcFreezeEvents(IOleControl*, BOOL) { return S_OK; }

}  // namespace

const IOleControlVtbl kOleControlVtbl = {FacetQueryInterface<IOleControl>, FacetAddRef<IOleControl>,
                                         FacetRelease<IOleControl>, OcGetControlInfo, OcOnMnemonic,
                                         OcOnAmbientPropertyChange, OcFreezeEvents};

bool AnswersOleControl(const DispatchObject& object, const IID& iid) {
  return IsEmbeddable(object) && IsEqualIID(iid, IID_IOleControl);
}

}  // namespace vorn
