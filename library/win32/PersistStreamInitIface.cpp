// IPersistStreamInit (and IPersistStream, IPersist) of a control: a new instance, or its stored
// properties in a stream in the library's format (StoredProperties.h).
#include "library/com/ComPlatform.h"
#include "library/com/ControlLifecycle.h"
#include "library/win32/Embedding.h"
#include "library/win32/StoredProperties.h"
#include "library/win32/Win32Interfaces.h"

namespace vorn {

namespace {

HRESULT VORN_COM_CALL PsGetClassID(IPersistStreamInit* self, CLSID* clsid) {
  if (!clsid) return E_POINTER;
  *clsid = *OwnerOf(self)->cls->clsid;
  return S_OK;
}
HRESULT VORN_COM_CALL PsIsDirty(IPersistStreamInit* self) {
  const Embedding* e = FindEmbedding(*OwnerOf(self));
  return e && e->dirty ? S_OK : S_FALSE;
}
HRESULT VORN_COM_CALL PsLoad(IPersistStreamInit* self, IStream* stream) {
  ClearErrorInfo();
  if (!stream) return E_POINTER;
  Embedding& e = EmbeddingOf(*OwnerOf(self));
  if (e.Started()) return CO_E_ALREADYINITIALIZED;
  PropertyList list;
  std::string error;
  if (!list.Load(stream, error)) {
    ErrorResult(RuntimeError(errInvalidProcedureCall, "The stored properties cannot be read: " + error), nullptr);
    return STG_E_READFAULT;
  }
  return e.Start(&list);
}
// Every stored property, in the control's order (defaults too: a stream keeps them all).
HRESULT Collect(DispatchObject& d, PropertyList& list) {
  Object* object = d.Ready();
  if (!object) return E_UNEXPECTED;
  SaveControl(*object, list);
  return S_OK;
}
HRESULT VORN_COM_CALL PsSave(IPersistStreamInit* self, IStream* stream, BOOL clearDirty) {
  ClearErrorInfo();
  if (!stream) return E_POINTER;
  DispatchObject& d = *OwnerOf(self);
  try {
    PropertyList list;
    if (const HRESULT hr = Collect(d, list); FAILED(hr)) return hr;
    if (!list.Save(stream)) return STG_E_CANTSAVE;
    if (clearDirty) EmbeddingOf(d).dirty = false;
    return S_OK;
  } catch (const RuntimeError& e) {
    return ErrorResult(e, nullptr);
  }
}
HRESULT VORN_COM_CALL PsGetSizeMax(IPersistStreamInit* self, ULARGE_INTEGER* size) {
  if (!size) return E_POINTER;
  try {
    PropertyList list;
    if (const HRESULT hr = Collect(*OwnerOf(self), list); FAILED(hr)) return hr;
    size->QuadPart = list.SavedSize();
    return S_OK;
  } catch (const RuntimeError& e) {
    return ErrorResult(e, nullptr);
  }
}
HRESULT VORN_COM_CALL PsInitNew(IPersistStreamInit* self) {
  ClearErrorInfo();
  return EmbeddingOf(*OwnerOf(self)).Start(nullptr);
}

}  // namespace

const IPersistStreamInitVtbl kPersistStreamInitVtbl = {
    FacetQueryInterface<IPersistStreamInit>, FacetAddRef<IPersistStreamInit>, FacetRelease<IPersistStreamInit>,
    PsGetClassID, PsIsDirty, PsLoad, PsSave, PsGetSizeMax, PsInitNew};

bool AnswersPersistStream(const DispatchObject& object, const IID& iid) {
  // IPersistStream's functions are the first ones of IPersistStreamInit, in the same order.
  return IsEmbeddable(object) && (IsEqualIID(iid, IID_IPersistStreamInit) || IsEqualIID(iid, IID_IPersistStream) ||
                                  IsEqualIID(iid, IID_IPersist));
}

}  // namespace vorn
