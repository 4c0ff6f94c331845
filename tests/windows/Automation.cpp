#include "Automation.h"

namespace wintest {

DISPID IdOf(IDispatch* d, const wchar_t* name) {
  DISPID id = DISPID_UNKNOWN;
  LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
  d->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
  return id;
}

HRESULT Put(IDispatch* d, const wchar_t* name, VARIANT v) {
  DISPID put = DISPID_PROPERTYPUT;
  DISPPARAMS p{&v, &put, 1, 1};
  const HRESULT hr = d->Invoke(IdOf(d, name), IID_NULL, 0, DISPATCH_PROPERTYPUT, &p, nullptr, nullptr, nullptr);
  VariantClear(&v);
  return hr;
}

HRESULT PutRef(IDispatch* d, const wchar_t* name, IDispatch* object) {
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_DISPATCH;
  v.pdispVal = object;
  DISPID put = DISPID_PROPERTYPUT;
  DISPPARAMS p{&v, &put, 1, 1};
  return d->Invoke(IdOf(d, name), IID_NULL, 0, DISPATCH_PROPERTYPUTREF, &p, nullptr, nullptr, nullptr);
}

VARIANT Get(IDispatch* d, const wchar_t* name) {
  VARIANT r;
  VariantInit(&r);
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  d->Invoke(IdOf(d, name), IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &r, nullptr, nullptr);
  return r;
}

long GetLong(IDispatch* d, const wchar_t* name) {
  VARIANT r = Get(d, name);
  if (FAILED(VariantChangeType(&r, &r, 0, VT_I4))) return -99999;
  return r.lVal;
}

std::wstring GetText(IDispatch* d, const wchar_t* name) {
  VARIANT r = Get(d, name);
  std::wstring s = r.vt == VT_BSTR && r.bstrVal ? std::wstring(r.bstrVal, SysStringLen(r.bstrVal)) : L"(none)";
  VariantClear(&r);
  return s;
}

VARIANT Call(IDispatch* d, const wchar_t* name, std::vector<VARIANT> args) {
  std::vector<VARIANT> rg(args.rbegin(), args.rend());
  DISPPARAMS p{rg.data(), nullptr, static_cast<UINT>(rg.size()), 0};
  VARIANT r;
  VariantInit(&r);
  d->Invoke(IdOf(d, name), IID_NULL, 0, DISPATCH_METHOD | DISPATCH_PROPERTYGET, &p, &r, nullptr, nullptr);
  for (VARIANT& v : args) VariantClear(&v);
  return r;
}

VARIANT I4(long v) {
  VARIANT x;
  VariantInit(&x);
  x.vt = VT_I4;
  x.lVal = v;
  return x;
}

VARIANT Bool(bool v) {
  VARIANT x;
  VariantInit(&x);
  x.vt = VT_BOOL;
  x.boolVal = v ? VARIANT_TRUE : VARIANT_FALSE;
  return x;
}

VARIANT Str(const wchar_t* s) {
  VARIANT x;
  VariantInit(&x);
  x.vt = VT_BSTR;
  x.bstrVal = SysAllocString(s);
  return x;
}

IDispatch* NewFont(const wchar_t* name, double points, bool bold) {
  FONTDESC desc{sizeof desc, const_cast<LPOLESTR>(name), {}, static_cast<SHORT>(bold ? FW_BOLD : FW_NORMAL),
                DEFAULT_CHARSET, FALSE, FALSE, FALSE};
  desc.cySize.int64 = static_cast<LONGLONG>(points * 10000);
  IDispatch* font = nullptr;
  OleCreateFontIndirect(&desc, IID_IFontDisp, reinterpret_cast<void**>(&font));
  return font;
}

void EventSink::Connect(IUnknown* control) {
  IProvideClassInfo2* info = nullptr;
  IConnectionPointContainer* container = nullptr;
  GUID source{};
  if (SUCCEEDED(control->QueryInterface(IID_IProvideClassInfo2, reinterpret_cast<void**>(&info)))) {
    info->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &source);
    info->Release();
  }
  if (SUCCEEDED(control->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container)))) {
    if (SUCCEEDED(container->FindConnectionPoint(source, &point_))) point_->Advise(this, &cookie_);
    container->Release();
  }
}

void EventSink::Disconnect() {
  if (!point_) return;
  point_->Unadvise(cookie_);
  point_->Release();
  point_ = nullptr;
}

std::vector<EventSink::Event> EventSink::Of(DISPID id) const {
  std::vector<Event> out;
  for (const Event& e : events) {
    if (e.id == id) out.push_back(e);
  }
  return out;
}

std::vector<DISPID> EventSink::Ids() const {
  std::vector<DISPID> ids;
  for (const Event& e : events) ids.push_back(e.id);
  return ids;
}

HRESULT EventSink::QueryInterface(REFIID riid, void** ppv) {
  if (riid == IID_IUnknown || riid == IID_IDispatch) {
    *ppv = this;
    AddRef();
    return S_OK;
  }
  *ppv = nullptr;
  return E_NOINTERFACE;
}

HRESULT EventSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* p, VARIANT*, EXCEPINFO*, UINT*) {
  Event e{id, {}, {}};
  for (UINT i = p->cArgs; i-- > 0;) {  // the last argument comes first
    VARIANT& v = p->rgvarg[i];
    if (v.vt == (VT_BSTR | VT_BYREF)) {
      e.strings.emplace_back(*v.pbstrVal ? *v.pbstrVal : L"");
    } else {
      VARIANT n;
      VariantInit(&n);
      VariantChangeType(&n, &v, 0, VT_R8);
      e.numbers.push_back(n.dblVal);
    }
  }
  events.push_back(std::move(e));
  return S_OK;
}

}  // namespace wintest
