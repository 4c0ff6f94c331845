// The entry points that hand out class objects and say whether the library may be unloaded.
#include "library/com/ComPlatform.h"
#include "library/com/Interfaces.h"

extern "C" {

HRESULT VORN_COM_CALL DllGetClassObject(vorn::ComRefIid clsid, vorn::ComRefIid riid, void** ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  const IID* cid = vorn::IidPointer(clsid);
  if (!cid || !vorn::IidPointer(riid)) return E_INVALIDARG;
  const vorn::LibraryClass* cls = vorn::FindLibraryClass(*cid);
  // Only the public controls have factories; the item classes come from the controls.
  if (!cls || cls->kind != vorn::ClassKind::Control || !cls->create) return CLASS_E_CLASSNOTAVAILABLE;
  if (!vorn::IsIid(riid, IID_IUnknown) && !vorn::IsIid(riid, IID_IClassFactory)) return E_NOINTERFACE;
  *ppv = vorn::NewClassFactory(*cls);
  return S_OK;
}

HRESULT VORN_COM_CALL DllCanUnloadNow(void) {
  return vorn::LiveComObjects() == 0 && vorn::ServerLocks() == 0 ? S_OK : S_FALSE;
}

}  // extern "C"
