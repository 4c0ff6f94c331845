#include "library/win32/ForeignObject.h"

#include <array>
#include <vector>

#include "foundation/MemberTable.h"
#include "foundation/Picture.h"
#include "foundation/RuntimeError.h"
#include "library/com/ComPlatform.h"
#include "library/com/VariantMarshal.h"
#include "library/win32/Utf16.h"

namespace vorn {

namespace {

class ForeignObject final : public Object {
 public:
  explicit ForeignObject(IDispatch* d) : dispatch_(d) { dispatch_->lpVtbl->AddRef(dispatch_); }
  ~ForeignObject() override { dispatch_->lpVtbl->Release(dispatch_); }
  IDispatch* Dispatch() const noexcept { return dispatch_; }
  const ClassInfo& Class() const override;

 private:
  IDispatch* dispatch_;
};

// An icon or bitmap as straight-alpha pixels (&HAABBGGRR): the icon's own alpha where it has
// one, else its mask.
Ref<Picture> PictureOf(IPicture* picture) {
  SHORT type = PICTYPE_NONE;
  OLE_HANDLE handle = 0;
  picture->lpVtbl->get_Type(picture, &type);
  picture->lpVtbl->get_Handle(picture, &handle);
  HBITMAP color = nullptr, mask = nullptr;
  if (type == PICTYPE_ICON) {
    ICONINFO info{};
    if (!GetIconInfo(reinterpret_cast<HICON>(static_cast<uintptr_t>(handle)), &info)) return nullptr;
    color = info.hbmColor;
    mask = info.hbmMask;
  } else if (type != PICTYPE_BITMAP) {
    return nullptr;
  }
  HBITMAP source = type == PICTYPE_ICON ? color : reinterpret_cast<HBITMAP>(static_cast<uintptr_t>(handle));
  BITMAP bm{};
  std::vector<uint32_t> argb, maskBits, pixels;
  if (source && GetObjectW(source, sizeof bm, &bm)) {
    const int w = bm.bmWidth, h = bm.bmHeight;
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof bi.bmiHeader, w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HDC dc = CreateCompatibleDC(nullptr);
    argb.resize(static_cast<size_t>(w) * h);
    GetDIBits(dc, source, 0, h, argb.data(), &bi, DIB_RGB_COLORS);
    if (mask) {
      maskBits.resize(argb.size());
      GetDIBits(dc, mask, 0, h, maskBits.data(), &bi, DIB_RGB_COLORS);
    }
    DeleteDC(dc);
    bool hasAlpha = false;
    for (uint32_t p : argb) hasAlpha |= (p >> 24) != 0;
    pixels.resize(argb.size());
    for (size_t i = 0; i < argb.size(); ++i) {
      const uint32_t p = argb[i];
      uint32_t a = hasAlpha ? p >> 24 : 255;
      if (!hasAlpha && !maskBits.empty() && (maskBits[i] & 0xFFFFFF)) a = 0;
      pixels[i] = (a << 24) | ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
    }
    if (color) DeleteObject(color);
    if (mask) DeleteObject(mask);
    return MakeRef<Picture>(w, h, std::move(pixels));
  }
  if (color) DeleteObject(color);
  if (mask) DeleteObject(mask);
  return nullptr;
}

Variant FromResult(VARIANT& v) {
  if ((v.vt == VT_DISPATCH || v.vt == VT_UNKNOWN) && v.punkVal && !ObjectBehind(v.punkVal)) {
    IPicture* picture = nullptr;
    if (SUCCEEDED(v.punkVal->lpVtbl->QueryInterface(v.punkVal, IID_IPicture, reinterpret_cast<void**>(&picture)))) {
      Ref<Picture> p = PictureOf(picture);
      picture->lpVtbl->Release(picture);
      if (!p) Raise(errTypeMismatch, "The picture of the image list cannot be drawn");
      return Variant(Ref<Object>(p));
    }
  }
  return FromVARIANT(v);
}

// Every member a control asks of an image list goes to the object's IDispatch by name.
Variant Forward(Object& self, const MemberInfo& member, uint16_t flags, std::span<Variant> args) {
  IDispatch* d = static_cast<ForeignObject&>(self).Dispatch();
  DISPID id = DISPID_VALUE;
  if (member.id != kDispIdValue) {
    const std::wstring name = Utf16(member.name);
    LPOLESTR names[] = {const_cast<LPOLESTR>(name.c_str())};
    if (FAILED(d->lpVtbl->GetIDsOfNames(d, IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id))) Raise(errNotSupported);
  }
  std::vector<VARIANT> values(args.size());
  for (size_t i = 0; i < args.size(); ++i) ToVARIANT(args[args.size() - 1 - i], values[i]);  // last first
  DISPID put = DISPID_PROPERTYPUT;
  const bool let = (flags & kLet) != 0;
  DISPPARAMS params{values.data(), let ? &put : nullptr, static_cast<UINT>(values.size()), let ? 1u : 0u};
  const WORD kind = let ? DISPATCH_PROPERTYPUT : flags & kMethod ? DISPATCH_METHOD | DISPATCH_PROPERTYGET : DISPATCH_PROPERTYGET;
  VARIANT result;
  VariantInit(&result);
  EXCEPINFO excep{};
  const HRESULT hr = d->lpVtbl->Invoke(d, id, IID_NULL, LOCALE_USER_DEFAULT, kind, &params, &result, &excep, nullptr);
  for (VARIANT& v : values) VariantClear(&v);
  if (FAILED(hr)) {
    std::string text = excep.bstrDescription ? BstrText(excep.bstrDescription) : "The image list failed";
    SysFreeString(excep.bstrSource);
    SysFreeString(excep.bstrDescription);
    SysFreeString(excep.bstrHelpFile);
    Raise(errInvalidProcedureCall, text + " (" + std::string(member.name) + ")");
  }
  Variant value;
  try {
    value = FromResult(result);
  } catch (...) {
    VariantClear(&result);
    throw;
  }
  VariantClear(&result);
  return value;
}

constexpr ParamInfo kIndex[] = {{"Index", "Variant"}};
constexpr std::array<MemberInfo, 5> kMembers = {{
    {"Item", kDispIdValue, kGet | kMethod, "Object", kIndex, &Forward},
    {"ImageWidth", 1, kGet | kLet, "Integer", {}, &Forward},
    {"ImageHeight", 2, kGet | kLet, "Integer", {}, &Forward},
    {"ListImages", 3, kGet, "Object", {}, &Forward},
    {"ExtractIcon", 4, kGet | kMethod, "Object", {}, &Forward},
}};
const ClassInfo kForeignClass{"Object", kMembers};

const ClassInfo& ForeignObject::Class() const { return kForeignClass; }

}  // namespace

Ref<Object> WrapForeign(IDispatch* object) { return MakeRef<ForeignObject>(object); }

IDispatch* ForeignDispatchOf(const Object& object) {
  auto* foreign = dynamic_cast<const ForeignObject*>(&object);
  if (!foreign) return nullptr;
  foreign->Dispatch()->lpVtbl->AddRef(foreign->Dispatch());
  return foreign->Dispatch();
}

}  // namespace vorn
