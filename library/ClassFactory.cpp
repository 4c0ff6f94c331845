#include "library/ComObjects.h"

namespace vorn {

namespace {

struct FactoryObject {
  const IClassFactoryVtbl* lpVtbl;
  uint32_t refs;
  const LibraryClass* cls;
};

FactoryObject* Self(IClassFactory* p) { return reinterpret_cast<FactoryObject*>(p); }

HRESULT FQueryInterface(IClassFactory* self, const IID* riid, void** ppv) {
  if (!ppv) return E_POINTER;
  if (IsIid(riid, IID_IUnknown) || IsIid(riid, IID_IClassFactory)) {
    *ppv = self;
    ++Self(self)->refs;
    return S_OK;
  }
  *ppv = nullptr;
  return E_NOINTERFACE;
}
uint32_t FAddRef(IClassFactory* self) { return ++Self(self)->refs; }
uint32_t FRelease(IClassFactory* self) {
  const uint32_t left = --Self(self)->refs;
  if (left == 0) {
    delete Self(self);
    CountComObject(-1);
  }
  return left;
}
HRESULT FCreateInstance(IClassFactory* self, IUnknown* outer, const IID* riid, void** ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  if (outer) return CLASS_E_NOAGGREGATION;
  DispatchObject* d = DispatchObject::NewControl(*Self(self)->cls);
  IDispatch* disp = reinterpret_cast<IDispatch*>(&d->dispatch);
  disp->lpVtbl->AddRef(disp);
  const HRESULT hr = disp->lpVtbl->QueryInterface(disp, riid, ppv);
  disp->lpVtbl->Release(disp);
  return hr;
}
HRESULT FLockServer(IClassFactory*, int32_t lock) {
  ServerLocks() += lock ? 1 : -1;
  if (ServerLocks() < 0) ServerLocks() = 0;
  return S_OK;
}
const IClassFactoryVtbl kFactoryVtbl = {FQueryInterface, FAddRef, FRelease, FCreateInstance, FLockServer};

}  // namespace

IClassFactory* NewClassFactory(const LibraryClass& cls) {
  auto* f = new FactoryObject{&kFactoryVtbl, 1, &cls};
  CountComObject(1);
  return reinterpret_cast<IClassFactory*>(f);
}

}  // namespace vorn
