// IProvideClassInfo2 of a control: its coclass from the embedded type library, and its event
// interface, which is how containers find what to advise.
#include "library/com/ComPlatform.h"
#include "library/win32/Module.h"
#include "library/win32/Win32Interfaces.h"

namespace vorn {

namespace {

HRESULT VORN_COM_CALL PcGetClassInfo(IProvideClassInfo2* self, ITypeInfo** info) {
  if (!info) return E_POINTER;
  *info = nullptr;
  HRESULT hr = S_OK;
  ITypeLib* lib = ModuleTypeLib(hr);
  if (!lib) return hr;
  hr = lib->lpVtbl->GetTypeInfoOfGuid(lib, *OwnerOf(self)->cls->clsid, info);
  lib->lpVtbl->Release(lib);
  return hr;
}

HRESULT VORN_COM_CALL PcGetGUID(IProvideClassInfo2* self, DWORD kind, GUID* guid) {
  if (!guid) return E_POINTER;
  *guid = GUID_NULL;
  if (kind != GUIDKIND_DEFAULT_SOURCE_DISP_IID) return E_INVALIDARG;
  *guid = *OwnerOf(self)->cls->eventIid;
  return S_OK;
}

}  // namespace

const IProvideClassInfo2Vtbl kProvideClassInfo2Vtbl = {FacetQueryInterface<IProvideClassInfo2>,
                                                       FacetAddRef<IProvideClassInfo2>,
                                                       FacetRelease<IProvideClassInfo2>, PcGetClassInfo, PcGetGUID};

bool AnswersProvideClassInfo(const DispatchObject& object, const IID& iid) {
  return object.IsControl() && object.cls->eventIid &&
         (IsEqualIID(iid, IID_IProvideClassInfo) || IsEqualIID(iid, IID_IProvideClassInfo2));
}

}  // namespace vorn
