// The COM seam of the Windows build: Windows' own BSTR (UTF-16), VARIANT functions, type
// information from the embedded type library, and the interfaces the objects answer.
#include "library/com/ComPlatform.h"

#include "foundation/Font.h"
#include "library/com/ControlLifecycle.h"
#include "library/com/Interfaces.h"
#include "library/win32/Embedding.h"
#include "library/win32/ForeignObject.h"
#include "library/win32/Module.h"
#include "library/win32/OleFont.h"
#include "library/win32/Utf16.h"
#include "library/win32/Win32Interfaces.h"

namespace vorn {

namespace {

bool AnswersFontDisp(const DispatchObject& object, const IID& iid) {
  return object.object && object.object->Class().name == "StdFont" && IsEqualIID(iid, IID_IFontDisp);
}

const InterfaceEntry kInterfaces[] = {
    {&kConnectionPointContainerVtbl, &AnswersConnectionPoints},
    {&kSupportErrorInfoVtbl, &AnswersSupportErrorInfo},
    {&kProvideClassInfo2Vtbl, &AnswersProvideClassInfo},
    {&kOleObjectVtbl, &AnswersOleObject},
    {&kOleInPlaceObjectVtbl, &AnswersOleInPlaceObject},
    {&kOleInPlaceActiveObjectVtbl, &AnswersOleInPlaceActiveObject},
    {&kOleControlVtbl, &AnswersOleControl},
    {&kViewObject2Vtbl, &AnswersViewObject},
    {&kPersistStreamInitVtbl, &AnswersPersistStream},
    {&kPersistPropertyBagVtbl, &AnswersPersistPropertyBag},
    {&kDispatchVtbl, &AnswersFontDisp},
};

}  // namespace

BSTR NewBstr(std::string_view utf8) {
  const std::wstring w = Utf16(utf8);
  return SysAllocStringLen(w.data(), static_cast<UINT>(w.size()));
}
std::string BstrText(const BSTR text) { return text ? Utf8(text, SysStringLen(text)) : std::string(); }
void FreeBstr(BSTR text) noexcept { SysFreeString(text); }
void InitVariant(VARIANT& v) noexcept { VariantInit(&v); }
void ClearVariant(VARIANT& v) noexcept {
  VariantClear(&v);
  VariantInit(&v);
}
bool NameAt(ComNames names, ComUint i, std::string& out) {
  if (!names[i]) return false;
  out = Utf8(names[i], wcslen(names[i]));
  return true;
}

Variant FromOtherVariant(const VARIANT& v) {
  // Bytes, unsigned and 64-bit integers, currency, decimals and dates arrive as numbers.
  switch (v.vt & ~VT_BYREF) {
    case VT_I1:
    case VT_UI1:
    case VT_UI2:
    case VT_UI4:
    case VT_I8:
    case VT_UI8:
    case VT_INT:
    case VT_UINT:
    case VT_CY:
    case VT_DECIMAL:
    case VT_DATE: {
      VARIANT d;
      VariantInit(&d);
      if (FAILED(VariantChangeType(&d, const_cast<VARIANT*>(&v), 0, VT_R8))) Raise(errOverflow);
      return Variant(d.dblVal);
    }
    default: Raise(errTypeMismatch);
  }
}

// A standard font from elsewhere (a script's StdFont, a container's ambient font) is taken as the
// library's own font with the same look; another object with IDispatch (a form's ImageList) is
// used by member name; anything else is a type mismatch.
Variant FromForeignObject(IUnknown* unknown) {
  if (Ref<Font> font = FontFromOle(unknown)) return Variant(Ref<Object>(font));
  IDispatch* d = nullptr;
  if (FAILED(unknown->lpVtbl->QueryInterface(unknown, IID_IDispatch, reinterpret_cast<void**>(&d))) || !d) {
    Raise(errTypeMismatch, "An object from outside this library cannot be used here");
  }
  Ref<Object> wrapped = WrapForeign(d);
  d->lpVtbl->Release(d);
  return Variant(wrapped);
}

IDispatch* OriginalDispatch(const Object& object) { return ForeignDispatchOf(object); }

std::span<const InterfaceEntry> ObjectInterfaces() noexcept { return kInterfaces; }

// A control used before anything started it: on the Windows host when a container has met it
// (it gave its client site), else on a site of its own, as a script's CreateObject makes it.
void StartWithoutSite(DispatchObject& d) {
  if (!d.cls || !d.cls->create) return;
  if (Embedding* e = FindEmbedding(d); e && e->ClientSite()) {
    e->Start(nullptr);
    return;
  }
  DetachedControl made = MakeDetachedControl(RecipeOf(*d.cls));
  d.site = made.site;
  d.Bind(made.control);
  StartAndShowControl(*d.object, nullptr);  // the defaults, as a container's InitNew would give them
}

ComUint TypeInfoCount(const DispatchObject& d) noexcept { return d.cls ? 1 : 0; }

HRESULT TypeInfoOf(const DispatchObject& d, ComUint index, ComTypeInfoOut info) {
  if (index != 0) return DISP_E_BADINDEX;
  if (!d.cls) return E_NOTIMPL;
  HRESULT hr = S_OK;
  ITypeLib* lib = ModuleTypeLib(hr);
  if (!lib) return hr;
  hr = lib->lpVtbl->GetTypeInfoOfGuid(lib, *d.cls->defaultIid, info);
  lib->lpVtbl->Release(lib);
  return hr;
}

}  // namespace vorn
