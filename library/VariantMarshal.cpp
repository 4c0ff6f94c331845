#include "library/VariantMarshal.h"

#include <cstdlib>
#include <cstring>

#include "foundation/RuntimeError.h"
#include "library/ComObjects.h"

namespace vorn {

Variant FromVARIANT(const VARIANT& v) {
  const bool ref = (v.vt & VT_BYREF) != 0;
  switch (v.vt & ~VT_BYREF) {
    case VT_EMPTY: return Variant();
    case VT_NULL: return Variant::Null();
    case VT_I2: return Variant(ref ? *v.piVal : v.iVal);
    case VT_I4: return Variant(ref ? *v.plVal : v.lVal);
    case VT_R4: return Variant(ref ? *v.pfltVal : v.fltVal);
    case VT_R8: return Variant(ref ? *v.pdblVal : v.dblVal);
    case VT_BOOL: return Variant((ref ? *v.pboolVal : v.boolVal) != 0);
    case VT_BSTR: {
      const char* s = ref ? *v.pbstrVal : v.bstrVal;
      return Variant(std::string(s ? s : ""));
    }
    case VT_ERROR: return Variant::Missing();
    case VT_VARIANT:
      if (ref && v.pvarVal) return FromVARIANT(*v.pvarVal);
      break;
    case VT_DISPATCH:
    case VT_UNKNOWN: {
      IUnknown* u = ref ? reinterpret_cast<IUnknown*>(*v.ppdispVal) : v.punkVal;
      if (!u) return Variant::Nothing();
      Object* o = ObjectBehind(u);
      if (!o) Raise(errTypeMismatch, "An object from outside this library cannot be used here");
      return Variant(Ref<Object>(o));
    }
    default: break;
  }
  Raise(errTypeMismatch);
}

void ToVARIANT(const Variant& value, VARIANT& out) {
  vornVariantInit(&out);
  switch (value.Type()) {
    case VarType::Empty: out.vt = VT_EMPTY; break;
    case VarType::Null: out.vt = VT_NULL; break;
    case VarType::Missing:
      out.vt = VT_ERROR;
      out.scode = DISP_E_PARAMNOTFOUND;
      break;
    case VarType::Integer:
      out.vt = VT_I2;
      out.iVal = value.ToInteger();
      break;
    case VarType::Long:
      out.vt = VT_I4;
      out.lVal = value.ToLong();
      break;
    case VarType::Single:
      out.vt = VT_R4;
      out.fltVal = value.ToSingle();
      break;
    case VarType::Double:
      out.vt = VT_R8;
      out.dblVal = value.ToDouble();
      break;
    case VarType::Boolean:
      out.vt = VT_BOOL;
      out.boolVal = value.ToBool() ? VARIANT_TRUE : VARIANT_FALSE;
      break;
    case VarType::String:
      out.vt = VT_BSTR;
      out.bstrVal = vornSysAllocString(value.StringValue().c_str());
      break;
    case VarType::Object:
      out.vt = VT_DISPATCH;
      out.pdispVal = value.ObjectValue() ? DispatchObject::Wrap(value.ToObject()) : nullptr;
      break;
  }
}

void WriteBack(const Variant& value, VARIANT& target) {
  if (!(target.vt & VT_BYREF)) return;
  switch (target.vt & ~VT_BYREF) {
    case VT_I2: *target.piVal = value.ToInteger(); break;
    case VT_I4: *target.plVal = value.ToLong(); break;
    case VT_R4: *target.pfltVal = value.ToSingle(); break;
    case VT_R8: *target.pdblVal = value.ToDouble(); break;
    case VT_BOOL: *target.pboolVal = value.ToBool() ? VARIANT_TRUE : VARIANT_FALSE; break;
    case VT_BSTR: {
      BSTR fresh = vornSysAllocString(value.ToString().c_str());
      vornSysFreeString(*target.pbstrVal);
      *target.pbstrVal = fresh;
      break;
    }
    case VT_VARIANT:
      if (target.pvarVal) {
        vornVariantClear(target.pvarVal);
        ToVARIANT(value, *target.pvarVal);
      }
      break;
    default: break;
  }
}

}  // namespace vorn

extern "C" {

BSTR vornSysAllocString(const char* text) {
  const size_t n = text ? std::strlen(text) : 0;
  char* s = static_cast<char*>(std::malloc(n + 1));
  if (!s) return nullptr;
  if (n) std::memcpy(s, text, n);
  s[n] = '\0';
  return s;
}

void vornSysFreeString(BSTR text) { std::free(text); }

void vornVariantInit(VARIANT* v) {
  if (!v) return;
  std::memset(v, 0, sizeof *v);
}

HRESULT vornVariantClear(VARIANT* v) {
  if (!v) return E_POINTER;
  if (!(v->vt & VT_BYREF)) {
    if (v->vt == VT_BSTR) vornSysFreeString(v->bstrVal);
    if ((v->vt == VT_DISPATCH || v->vt == VT_UNKNOWN) && v->punkVal) v->punkVal->lpVtbl->Release(v->punkVal);
  }
  vornVariantInit(v);
  return S_OK;
}

}  // extern "C"
