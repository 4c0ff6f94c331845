// IDispatch of every object of the library: members found by name in the object's member table,
// called through the shared dispatch logic with automation's argument conventions.
#include <vector>

#include "foundation/Dispatch.h"
#include "foundation/Enumerator.h"
#include "library/com/ComObject.h"
#include "library/com/ComPlatform.h"
#include "library/com/EnumVariantIface.h"
#include "library/com/Interfaces.h"
#include "library/com/VariantMarshal.h"

namespace vorn {

namespace {

HRESULT VORN_COM_CALL DGetTypeInfoCount(IDispatch* self, ComUint* count) {
  if (!count) return E_POINTER;
  *count = TypeInfoCount(*OwnerOf(self));
  return S_OK;
}

HRESULT VORN_COM_CALL DGetTypeInfo(IDispatch* self, ComUint index, ComLcid, ComTypeInfoOut info) {
  if (!info) return E_POINTER;
  *info = nullptr;
  return TypeInfoOf(*OwnerOf(self), index, info);
}

HRESULT VORN_COM_CALL DGetIDsOfNames(IDispatch* self, ComRefIid, ComNames names, ComUint count, ComLcid,
                                     DISPID* ids) {
  if (!names || !ids || count == 0) return E_INVALIDARG;
  DispatchObject* d = OwnerOf(self);
  const ClassInfo* info = d->object ? &d->object->Class() : d->cls ? &d->cls->table() : nullptr;
  for (ComUint i = 0; i < count; ++i) ids[i] = DISPID_UNKNOWN;
  std::string name;
  const MemberInfo* m = info && NameAt(names, 0, name) ? info->Find(std::string_view(name)) : nullptr;
  if (!m) return DISP_E_UNKNOWNNAME;
  ids[0] = m->id;
  HRESULT hr = S_OK;
  // Further names are the member's parameters, by position.
  for (ComUint i = 1; i < count; ++i) {
    if (NameAt(names, i, name)) {
      for (size_t k = 0; k < m->params.size(); ++k) {
        if (NamesEqual(m->params[k].name, name)) ids[i] = static_cast<DISPID>(k);
      }
    }
    if (ids[i] == DISPID_UNKNOWN) hr = DISP_E_UNKNOWNNAME;
  }
  return hr;
}

// The arguments of one call in parameter order, with the caller's VARIANT behind each (for
// writing by-reference arguments back); the put value, when there is one, comes last.
struct CallArguments {
  std::vector<Variant> values;
  std::vector<VARIANT*> sources;
};

// Positional arguments come last-first in rgvarg; named ones (DISPID_PROPERTYPUT for a put, or
// parameter positions) come first. Raises Type mismatch for a VARIANT the library cannot take.
HRESULT ReadArguments(const MemberInfo& m, bool put, DISPPARAMS* params, CallArguments& call) {
  const ComUint total = params ? params->cArgs : 0;
  const ComUint named = params ? params->cNamedArgs : 0;
  if (named > total || (total && !params->rgvarg) || (named && !params->rgdispidNamedArgs)) return E_INVALIDARG;
  call.values.resize(total - named);
  call.sources.resize(total - named, nullptr);
  Variant putValue;
  bool havePut = false;
  for (ComUint i = 0; i < total - named; ++i) {
    VARIANT& v = params->rgvarg[total - 1 - i];
    call.sources[i] = &v;
    call.values[i] = FromVARIANT(v);
  }
  for (ComUint k = 0; k < named; ++k) {
    const DISPID slot = params->rgdispidNamedArgs[k];
    Variant value = FromVARIANT(params->rgvarg[k]);
    if (slot == DISPID_PROPERTYPUT && put) {
      putValue = std::move(value);
      havePut = true;
    } else if (slot >= 0 && static_cast<size_t>(slot) < m.params.size()) {
      const auto at = static_cast<size_t>(slot);
      if (call.values.size() <= at) {
        call.values.resize(at + 1, Variant::Missing());
        call.sources.resize(at + 1, nullptr);
      }
      call.values[at] = std::move(value);
      call.sources[at] = &params->rgvarg[k];
    } else {
      return DISP_E_PARAMNOTFOUND;
    }
  }
  if (put) {
    if (!havePut) {
      if (call.values.empty()) return DISP_E_BADPARAMCOUNT;
      putValue = call.values.back();  // a put with the value passed positionally
      call.values.pop_back();
      call.sources.pop_back();
    }
    call.values.push_back(std::move(putValue));
    call.sources.push_back(nullptr);
  }
  return S_OK;
}

HRESULT VORN_COM_CALL DInvoke(IDispatch* self, DISPID id, ComRefIid, ComLcid, uint16_t flags, DISPPARAMS* params,
                              VARIANT* result, EXCEPINFO* excep, ComUint* argErr) {
  ClearErrorInfo();
  DispatchObject* d = OwnerOf(self);
  Object* object = nullptr;
  try {
    object = d->Ready();
  } catch (const RuntimeError& e) {
    return ErrorResult(e, excep);
  }
  if (!object) return E_UNEXPECTED;
  const MemberInfo* m = object->Class().Find(id);
  if (!m) return DISP_E_MEMBERNOTFOUND;
  const bool put = (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) != 0;
  CallArguments call;
  try {
    if (const HRESULT hr = ReadArguments(*m, put, params, call); hr != S_OK) return hr;
  } catch (const RuntimeError&) {
    return DISP_E_TYPEMISMATCH;
  }
  Variant value;
  try {
    Ref<Object> keep(object);  // the member may release the caller's last other reference
    value = InvokeMember(*object, *m, flags, call.values);
    for (size_t i = 0; i < call.sources.size(); ++i) {
      if (call.sources[i] && (call.sources[i]->vt & VT_BYREF)) WriteBack(call.values[i], *call.sources[i]);
    }
  } catch (const RuntimeError& e) {
    if (argErr) *argErr = 0;
    return ErrorResult(e, excep);
  }
  if (result && !put) {
    if (id == DISPID_NEWENUM && value.IsObject()) {
      Ref<Enumerator> walker = RefCast<Enumerator>(value.ToObject());
      if (!walker) return DISP_E_TYPEMISMATCH;
      InitVariant(*result);
      result->vt = VT_UNKNOWN;
      result->punkVal = reinterpret_cast<IUnknown*>(NewEnumVariant(walker));
    } else {
      ToVARIANT(value, *result);
    }
  }
  return S_OK;
}

}  // namespace

const IDispatchVtbl kDispatchVtbl = {FacetQueryInterface<IDispatch>, FacetAddRef<IDispatch>, FacetRelease<IDispatch>,
                                     DGetTypeInfoCount, DGetTypeInfo, DGetIDsOfNames, DInvoke};

}  // namespace vorn
