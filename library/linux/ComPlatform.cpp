// The COM seam of the Linux build: the library's C interface (vornbutton2.h), with UTF-8 strings,
// error information kept per thread for vornGetErrorInfo, and IVornControl for hosts' sites.
#include "library/com/ComPlatform.h"

#include <cstdlib>
#include <cstring>

#include "library/com/Interfaces.h"

namespace vorn {

extern const IVornControlVtbl kVornControlVtbl;

namespace {

// The run-time error behind the last failed call, as automation's error information keeps it.
struct LastError {
  bool set = false;
  int32_t number = 0;
  std::string text;
};
thread_local LastError t_lastError;

bool AnswersVornControl(const DispatchObject& object, const IID& iid) {
  return object.IsControl() && SameGuid(iid, IID_IVornControl);
}

const InterfaceEntry kInterfaces[] = {
    {&kConnectionPointContainerVtbl, &AnswersConnectionPoints},
    {&kVornControlVtbl, &AnswersVornControl},
};

}  // namespace

bool IsIid(const IID* riid, const IID& iid) noexcept { return riid && SameGuid(*riid, iid); }

BSTR NewBstr(std::string_view utf8) {
  char* s = static_cast<char*>(std::malloc(utf8.size() + 1));
  if (!s) return nullptr;
  if (!utf8.empty()) std::memcpy(s, utf8.data(), utf8.size());
  s[utf8.size()] = '\0';
  return s;
}
std::string BstrText(const BSTR text) { return text ? std::string(text) : std::string(); }
void FreeBstr(BSTR text) noexcept { std::free(text); }
void InitVariant(VARIANT& v) noexcept { std::memset(&v, 0, sizeof v); }
void ClearVariant(VARIANT& v) noexcept {
  if (!(v.vt & VT_BYREF)) {
    if (v.vt == VT_BSTR) FreeBstr(v.bstrVal);
    if ((v.vt == VT_DISPATCH || v.vt == VT_UNKNOWN) && v.punkVal) v.punkVal->lpVtbl->Release(v.punkVal);
  }
  InitVariant(v);
}
bool NameAt(ComNames names, ComUint i, std::string& out) {
  if (!names[i]) return false;
  out = names[i];
  return true;
}
Variant FromOtherVariant(const VARIANT&) { Raise(errTypeMismatch); }
Variant FromForeignObject(IUnknown*) { Raise(errTypeMismatch, "An object from outside this library cannot be used here"); }

void ClearErrorInfo() noexcept { t_lastError = {}; }

HRESULT ErrorResult(const RuntimeError& e, EXCEPINFO* excep) {
  t_lastError = {true, e.Number(), e.what()};
  switch (e.Number()) {
    case errTypeMismatch: return DISP_E_TYPEMISMATCH;
    case errOverflow: return DISP_E_OVERFLOW;
    case errWrongArgumentCount: return DISP_E_BADPARAMCOUNT;
    case errNotSupported: return DISP_E_MEMBERNOTFOUND;
    case errArgumentNotOptional: return DISP_E_PARAMNOTOPTIONAL;
    default: break;
  }
  if (excep) {
    *excep = EXCEPINFO{};
    excep->bstrSource = NewBstr("vornButton2");
    excep->bstrDescription = NewBstr(e.what());
    excep->scode = static_cast<int32_t>(0x800A0000u | static_cast<uint32_t>(e.Number() & 0xFFFF));
  }
  return DISP_E_EXCEPTION;
}

// Linux hosts keep nothing per object: a control lives on the site its host gives it.
struct PlatformState {};
void PlatformStateDeleter::operator()(PlatformState* state) const noexcept { delete state; }

std::span<const InterfaceEntry> ObjectInterfaces() noexcept { return kInterfaces; }
void StartWithoutSite(DispatchObject&) {}

HRESULT OtherConnectionPoint(DispatchObject&, ComRefIid, IConnectionPoint**) { return CONNECT_E_NOCONNECTION; }

IDispatch* OriginalDispatch(const Object&) { return nullptr; }
ComUint TypeInfoCount(const DispatchObject&) noexcept { return 0; }
HRESULT TypeInfoOf(const DispatchObject&, ComUint, ComTypeInfoOut) { return E_NOTIMPL; }

}  // namespace vorn

extern "C" {

HRESULT vornGetErrorInfo(int32_t* number, BSTR* description) {
  if (!vorn::t_lastError.set) return S_FALSE;
  if (number) *number = vorn::t_lastError.number;
  if (description) *description = vorn::NewBstr(vorn::t_lastError.text);
  vorn::t_lastError = {};
  return S_OK;
}

BSTR vornSysAllocString(const char* text) { return vorn::NewBstr(text ? text : ""); }
void vornSysFreeString(BSTR text) { vorn::FreeBstr(text); }
void vornVariantInit(VARIANT* v) {
  if (v) vorn::InitVariant(*v);
}
HRESULT vornVariantClear(VARIANT* v) {
  if (!v) return E_POINTER;
  vorn::ClearVariant(*v);
  return S_OK;
}

}  // extern "C"
