// IEnumVARIANT: what a host's for-each loop walks, over a collection's enumerator.
#include "library/com/EnumVariantIface.h"

#include "library/com/ComObject.h"
#include "library/com/ComPlatform.h"
#include "library/com/VariantMarshal.h"

namespace vorn {

namespace {

struct EnumObject {
  const IEnumVARIANTVtbl* lpVtbl;
  ComCount refs;
  Ref<Enumerator> walker;
};

EnumObject* Self(IEnumVARIANT* p) { return reinterpret_cast<EnumObject*>(p); }

HRESULT VORN_COM_CALL EnQueryInterface(IEnumVARIANT* self, ComRefIid riid, void** ppv) {
  return AnswerWithSelf(self, riid, IID_IEnumVARIANT, Self(self)->refs, ppv);
}
ComCount VORN_COM_CALL EnAddRef(IEnumVARIANT* self) { return ++Self(self)->refs; }
ComCount VORN_COM_CALL EnRelease(IEnumVARIANT* self) {
  const ComCount left = --Self(self)->refs;
  if (left == 0) {
    delete Self(self);
    CountComObject(-1);
  }
  return left;
}
HRESULT VORN_COM_CALL EnNext(IEnumVARIANT* self, ComCount count, VARIANT* items, ComCount* fetched) {
  if (!items && count) return E_POINTER;
  ComCount got = 0;
  Variant v;
  while (got < count && Self(self)->walker->Advance(v)) ToVARIANT(v, items[got++]);
  if (fetched) *fetched = got;
  return got == count ? S_OK : S_FALSE;
}
HRESULT VORN_COM_CALL EnSkip(IEnumVARIANT* self, ComCount count) {
  return Self(self)->walker->Pass(count) ? S_OK : S_FALSE;
}
HRESULT VORN_COM_CALL EnReset(IEnumVARIANT* self) {
  Self(self)->walker->Rewind();
  return S_OK;
}
HRESULT VORN_COM_CALL EnClone(IEnumVARIANT* self, IEnumVARIANT** copy) {
  if (!copy) return E_POINTER;
  *copy = NewEnumVariant(Self(self)->walker->Copy());
  return S_OK;
}
const IEnumVARIANTVtbl kEnumVtbl = {EnQueryInterface, EnAddRef, EnRelease, EnNext, EnSkip, EnReset, EnClone};

}  // namespace

IEnumVARIANT* NewEnumVariant(Ref<Enumerator> walker) {
  auto* e = new EnumObject{&kEnumVtbl, 1, std::move(walker)};
  CountComObject(1);
  return reinterpret_cast<IEnumVARIANT*>(e);
}

}  // namespace vorn
