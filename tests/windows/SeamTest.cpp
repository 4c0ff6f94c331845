// The COM seam from inside: controls made by the library's class factory without a container get
// input a host would deliver, and their events reach a Windows IDispatch sink with every argument
// by reference (UTF-16 strings included); a sink that changes an argument changes what the
// control does next.
#include <string>
#include <vector>

#include "Check.h"
#include "SeamInput.h"
#include "library/LibraryIds.h"
#include "library/com/ComObjects.h"

namespace {

struct Event {
  DISPID id;
  std::vector<VARTYPE> types;
  std::vector<double> numbers;
  std::vector<std::wstring> strings;
};

// Records each event's arguments; turns a KeyDown's Left arrow (37) into a Right arrow (39). A
// C-style IDispatch, as the library's own headers declare the interfaces.
struct Sink {
  const IDispatchVtbl* lpVtbl;
  std::vector<Event> events;

  Sink();
  IUnknown* Unknown() { return reinterpret_cast<IUnknown*>(this); }
};

HRESULT STDMETHODCALLTYPE SinkQueryInterface(IDispatch* self, REFIID riid, void** ppv) {
  *ppv = riid == IID_IUnknown || riid == IID_IDispatch ? self : nullptr;
  return *ppv ? S_OK : E_NOINTERFACE;
}
ULONG STDMETHODCALLTYPE SinkAddRef(IDispatch*) { return 2; }
ULONG STDMETHODCALLTYPE SinkRelease(IDispatch*) { return 1; }
HRESULT STDMETHODCALLTYPE SinkTypeInfoCount(IDispatch*, UINT* n) { return *n = 0, S_OK; }
HRESULT STDMETHODCALLTYPE SinkTypeInfo(IDispatch*, UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }
HRESULT STDMETHODCALLTYPE SinkIds(IDispatch*, REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }
HRESULT STDMETHODCALLTYPE SinkInvoke(IDispatch* self, DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* p, VARIANT*,
                                     EXCEPINFO*, UINT*) {
  CHECK(flags == DISPATCH_METHOD);
  Event e{id, {}, {}, {}};
  for (UINT i = p->cArgs; i-- > 0;) {  // the last argument comes first
    VARIANT& v = p->rgvarg[i];
    e.types.push_back(v.vt);
    if (v.vt == (VT_BSTR | VT_BYREF)) {
      e.strings.emplace_back(*v.pbstrVal, SysStringLen(*v.pbstrVal));
    } else {
      VARIANT n;
      VariantInit(&n);
      VariantChangeType(&n, &v, 0, VT_R8);
      e.numbers.push_back(n.dblVal);
    }
  }
  if (id == 2 && p->cArgs == 2 && p->rgvarg[1].vt == (VT_I2 | VT_BYREF) && *p->rgvarg[1].piVal == 37) {
    *p->rgvarg[1].piVal = 39;
  }
  reinterpret_cast<Sink*>(self)->events.push_back(std::move(e));
  return S_OK;
}
const IDispatchVtbl kSinkVtbl = {SinkQueryInterface, SinkAddRef, SinkRelease, SinkTypeInfoCount,
                                 SinkTypeInfo,       SinkIds,    SinkInvoke};
Sink::Sink() : lpVtbl(&kSinkVtbl) {}

// A control from the class factory, with the sink advised on its events.
struct Advised {
  IDispatch* disp = nullptr;
  IConnectionPoint* point = nullptr;
  DWORD cookie = 0;
  vorn::Object* object = nullptr;

  Advised(const CLSID& clsid, Sink& sink) {
    IClassFactory* f = nullptr;
    CHECK_HR(DllGetClassObject(clsid, IID_IClassFactory, reinterpret_cast<void**>(&f)), S_OK);
    CHECK_HR(f->lpVtbl->CreateInstance(f, nullptr, IID_IDispatch, reinterpret_cast<void**>(&disp)), S_OK);
    f->lpVtbl->Release(f);
    IConnectionPointContainer* c = nullptr;
    CHECK_HR(disp->lpVtbl->QueryInterface(disp, IID_IConnectionPointContainer, reinterpret_cast<void**>(&c)), S_OK);
    IID events{};
    IProvideClassInfo2* info = nullptr;
    CHECK_HR(disp->lpVtbl->QueryInterface(disp, IID_IProvideClassInfo2, reinterpret_cast<void**>(&info)), S_OK);
    info->lpVtbl->GetGUID(info, GUIDKIND_DEFAULT_SOURCE_DISP_IID, &events);
    info->lpVtbl->Release(info);
    CHECK_HR(c->lpVtbl->FindConnectionPoint(c, events, &point), S_OK);
    c->lpVtbl->Release(c);
    CHECK_HR(point->lpVtbl->Advise(point, sink.Unknown(), &cookie), S_OK);
    object = vorn::ObjectBehind(reinterpret_cast<IUnknown*>(disp));
  }
  ~Advised() {
    point->lpVtbl->Unadvise(point, cookie);
    point->lpVtbl->Release(point);
    disp->lpVtbl->Release(disp);
  }
  long Get(const wchar_t* name) {
    DISPID id = 0;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    disp->lpVtbl->GetIDsOfNames(disp, IID_NULL, names, 1, 0, &id);
    VARIANT r;
    VariantInit(&r);
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    disp->lpVtbl->Invoke(disp, id, IID_NULL, 0, DISPATCH_PROPERTYGET, &none, &r, nullptr, nullptr);
    VariantChangeType(&r, &r, 0, VT_I4);
    return r.lVal;
  }
};

void ButtonMouseDownArgumentsArriveByReference() {
  Sink sink;
  {
    Advised button(vorn::kClsid_vornButton, sink);
    seam::MouseDown(button.object, 1, 12.5f, 7.0f);
  }
  if (!CHECK(!sink.events.empty())) return;
  const Event& e = sink.events.back();
  CHECK(e.id == 5);  // MouseDown
  CHECK((e.types == std::vector<VARTYPE>{VT_I2 | VT_BYREF, VT_I2 | VT_BYREF, VT_R4 | VT_BYREF, VT_R4 | VT_BYREF}));
  CHECK((e.numbers == std::vector<double>{1, 0, 12.5, 7}));
}

void ASinkThatChangesKeyCodeChangesWhatTheSliderDoes() {
  Sink sink;
  Advised slider(vorn::kClsid_vornSlider, sink);
  CHECK(slider.Get(L"Value") == 5);
  seam::KeyDown(slider.object, 37);  // Left, which the sink turns into Right
  CHECK(!sink.events.empty() && sink.events.front().id == 2 && sink.events.front().numbers.front() == 37);
  CHECK(slider.Get(L"Value") == 6);
}

void ToolbarItemClickedCarriesItsKey() {
  Sink sink;
  Advised bar(vorn::kClsid_vornToolbar, sink);
  DISPID add = 0;
  LPOLESTR names[] = {const_cast<LPOLESTR>(L"Add")};
  bar.disp->lpVtbl->GetIDsOfNames(bar.disp, IID_NULL, names, 1, 0, &add);
  VARIANT key;
  VariantInit(&key);
  key.vt = VT_BSTR;
  key.bstrVal = SysAllocString(L"Öffnen");
  DISPPARAMS args{&key, nullptr, 1, 0};
  VARIANT item;
  VariantInit(&item);
  CHECK_HR(bar.disp->lpVtbl->Invoke(bar.disp, add, IID_NULL, 0, DISPATCH_METHOD, &args, &item, nullptr, nullptr), S_OK);
  VariantClear(&item);
  VariantClear(&key);
  seam::MouseDown(bar.object, 1, 10, 10);  // over the first item, which starts 7 pixels in
  seam::MouseUp(bar.object, 1, 10, 10);
  bool seen = false;
  for (const Event& e : sink.events) {
    if (e.id != 1) continue;  // ItemClicked(ItemIndex, ItemKey)
    seen = true;
    CHECK((e.types == std::vector<VARTYPE>{VT_I2 | VT_BYREF, VT_BSTR | VT_BYREF}));
    CHECK(e.numbers == std::vector<double>{1});
    CHECK(e.strings == std::vector<std::wstring>{L"Öffnen"});
  }
  CHECK(seen);
}

}  // namespace

int main() {
  CoInitialize(nullptr);
  ButtonMouseDownArgumentsArriveByReference();
  ASinkThatChangesKeyCodeChangesWhatTheSliderDoes();
  ToolbarItemClickedCarriesItsKey();
  const bool unload = DllCanUnloadNow() == S_OK;
  CHECK(unload);
  CoUninitialize();
  return wintest::Finish("seam_test");
}
