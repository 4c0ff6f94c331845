#include "library/com/VariantMarshal.h"

#include "foundation/RuntimeError.h"
#include "library/com/ComObject.h"
#include "library/com/ComPlatform.h"

namespace vorn {

Variant FromVARIANT(const VARIANT& v) {
  const bool ref = (v.vt & VT_BYREF) != 0;
  switch (v.vt & ~VT_BYREF) {
    case VT_EMPTY: return Variant();
    case VT_NULL: return Variant::Null();
    case VT_I2: return Variant(static_cast<int16_t>(ref ? *v.piVal : v.iVal));
    case VT_I4: return Variant(static_cast<int32_t>(ref ? *v.plVal : v.lVal));
    case VT_R4: return Variant(ref ? *v.pfltVal : v.fltVal);
    case VT_R8: return Variant(ref ? *v.pdblVal : v.dblVal);
    case VT_BOOL: return Variant((ref ? *v.pboolVal : v.boolVal) != 0);
    case VT_BSTR: return Variant(BstrText(ref ? *v.pbstrVal : v.bstrVal));
    case VT_ERROR: return Variant::Missing();
    case VT_VARIANT:
      if (ref && v.pvarVal) return FromVARIANT(*v.pvarVal);
      break;
    case VT_DISPATCH:
    case VT_UNKNOWN: {
      IUnknown* u = ref ? reinterpret_cast<IUnknown*>(*v.ppdispVal) : v.punkVal;
      if (!u) return Variant::Nothing();
      if (Object* o = ObjectBehind(u)) return Variant(Ref<Object>(o));
      return FromForeignObject(u);
    }
    default: return FromOtherVariant(v);
  }
  Raise(errTypeMismatch);
}

void ToVARIANT(const Variant& value, VARIANT& out) {
  InitVariant(out);
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
      out.bstrVal = NewBstr(value.StringValue());
      break;
    case VarType::Object:
      out.vt = VT_DISPATCH;
      out.pdispVal = nullptr;
      if (const Object* o = value.ObjectValue()) {
        out.pdispVal = OriginalDispatch(*o);
        if (!out.pdispVal) out.pdispVal = DispatchObject::Wrap(value.ToObject());
      }
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
      BSTR fresh = NewBstr(value.ToString());
      FreeBstr(*target.pbstrVal);
      *target.pbstrVal = fresh;
      break;
    }
    case VT_VARIANT:
      if (target.pvarVal) {
        VARIANT fresh;
        ToVARIANT(value, fresh);
        ClearVariant(*target.pvarVal);
        *target.pvarVal = fresh;
      }
      break;
    default: break;
  }
}

void MakeByRef(VARIANT& value, VARIANT& ref) noexcept {
  InitVariant(ref);
  ref.vt = static_cast<VARTYPE>(value.vt | VT_BYREF);
  switch (value.vt) {
    case VT_I2: ref.piVal = &value.iVal; break;
    case VT_I4: ref.plVal = &value.lVal; break;
    case VT_R4: ref.pfltVal = &value.fltVal; break;
    case VT_R8: ref.pdblVal = &value.dblVal; break;
    case VT_BOOL: ref.pboolVal = &value.boolVal; break;
    case VT_BSTR: ref.pbstrVal = &value.bstrVal; break;
    default:
      ref.vt = VT_VARIANT | VT_BYREF;
      ref.pvarVal = &value;
      break;
  }
}

}  // namespace vorn
