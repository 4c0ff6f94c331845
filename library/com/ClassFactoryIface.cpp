// IClassFactory of a creatable control class.
#include "library/com/ComPlatform.h"
#include "library/com/Interfaces.h"

namespace vorn {

namespace {

struct FactoryObject {
  const IClassFactoryVtbl* lpVtbl;
  ComCount refs;
  const LibraryClass* cls;
};

FactoryObject* Self(IClassFactory* p) { return reinterpret_cast<FactoryObject*>(p); }

HRESULT VORN_COM_CALL FQueryInterface(IClassFactory* self, ComRefIid riid, void** ppv) {
  return AnswerWithSelf(self, riid, IID_IClassFactory, Self(self)->refs, ppv);
}
ComCount VORN_COM_CALL FAddRef(IClassFactory* self) { return ++Self(self)->refs; }
ComCount VORN_COM_CALL FRelease(IClassFactory* self) {
  const ComCount left = --Self(self)->refs;
  if (left == 0) {
    delete Self(self);
    CountComObject(-1);
  }
  return left;
}
HRESULT VORN_COM_CALL FCreateInstance(IClassFactory* self, IUnknown* outer, ComRefIid riid, void** ppv) {
  if (!ppv) return E_POINTER;
  *ppv = nullptr;
  if (outer) return CLASS_E_NOAGGREGATION;
  DispatchObject* d = DispatchObject::NewControl(*Self(self)->cls);
  d->AddRef();
  const HRESULT hr = d->QueryInterface(riid, ppv);
  d->Release();
  return hr;
}
HRESULT VORN_COM_CALL FLockServer(IClassFactory*, ComBool lock) {
  LockServer(lock != 0);
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
