#include "OwnContainer.h"

#include "Desktop.h"

namespace wintest {

int OwnSite::live = 0;

OwnSite::OwnSite(HWND form, RECT rect, const wchar_t* name, bool ambientFont)
    : form_(form), rect_(rect), name_(name), ambientFont_(ambientFont) {
  ++live;
}

HRESULT OwnSite::QueryInterface(REFIID riid, void** ppv) {
  if (riid == IID_IUnknown || riid == IID_IOleClientSite) {
    *ppv = static_cast<IOleClientSite*>(this);
  } else if (riid == IID_IOleWindow || riid == IID_IOleInPlaceSite) {
    *ppv = static_cast<IOleInPlaceSite*>(this);
  } else if (riid == IID_IOleControlSite) {
    *ppv = static_cast<IOleControlSite*>(this);
  } else if (riid == IID_IDispatch) {
    *ppv = static_cast<IDispatch*>(this);
  } else if (riid == IID_IPropertyNotifySink) {
    *ppv = static_cast<IPropertyNotifySink*>(this);
  } else {
    *ppv = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

ULONG OwnSite::Release() {
  const ULONG left = --refs_;
  if (left == 0) delete this;
  return left;
}

HRESULT OwnSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc, LPRECT pos, LPRECT clip,
                                  LPOLEINPLACEFRAMEINFO info) {
  *frame = nullptr;
  *doc = nullptr;
  *pos = rect_;
  *clip = rect_;
  info->fMDIApp = FALSE;
  info->hwndFrame = form_;
  info->haccel = nullptr;
  info->cAccelEntries = 0;
  return S_OK;
}

HRESULT OwnSite::OnPosRectChange(LPCRECT r) {
  rect_ = *r;
  IOleInPlaceObject* ip = nullptr;
  if (object && SUCCEEDED(object->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&ip)))) {
    ip->SetObjectRects(&rect_, &rect_);
    ip->Release();
  }
  return S_OK;
}

HRESULT OwnSite::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*) {
  if (!result) return E_POINTER;
  VariantInit(result);
  switch (id) {
    case DISPID_AMBIENT_DISPLAYNAME:
      result->vt = VT_BSTR;
      result->bstrVal = SysAllocString(name_.c_str());
      return S_OK;
    case DISPID_AMBIENT_FONT:
      if (!ambientFont_) return DISP_E_MEMBERNOTFOUND;
      result->vt = VT_DISPATCH;
      result->pdispVal = NewFont(L"DejaVu Sans", 8);
      return S_OK;
    case DISPID_AMBIENT_USERMODE:
      result->vt = VT_BOOL;
      result->boolVal = VARIANT_TRUE;
      return S_OK;
    default: return DISP_E_MEMBERNOTFOUND;
  }
}

bool OwnSite::Embed(const wchar_t* progId, bool activate, IStream* stored) {
  CLSID clsid{};
  if (FAILED(CLSIDFromProgID(progId, &clsid))) return false;
  if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject, reinterpret_cast<void**>(&object)))) {
    return false;
  }
  DWORD misc = 0;
  object->GetMiscStatus(DVASPECT_CONTENT, &misc);
  if (misc & OLEMISC_SETCLIENTSITEFIRST) object->SetClientSite(this);
  IPersistStreamInit* persist = nullptr;
  object->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&persist));
  const HRESULT started = !persist ? E_NOINTERFACE : stored ? persist->Load(stored) : persist->InitNew();
  if (persist) persist->Release();
  if (!(misc & OLEMISC_SETCLIENTSITEFIRST)) object->SetClientSite(this);
  object->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&control));
  if (FAILED(started) || !control) return false;
  if (activate && FAILED(object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, this, 0, form_, &rect_))) return false;
  return true;
}

void OwnSite::WatchProperties() {
  IConnectionPointContainer* c = nullptr;
  if (SUCCEEDED(object->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&c)))) {
    if (SUCCEEDED(c->FindConnectionPoint(IID_IPropertyNotifySink, &notify_))) {
      notify_->Advise(static_cast<IPropertyNotifySink*>(this), &notifyCookie_);
    }
    c->Release();
  }
}

void OwnSite::Unembed() {
  if (notify_) {
    notify_->Unadvise(notifyCookie_);
    notify_->Release();
    notify_ = nullptr;
  }
  if (control) control->Release();
  control = nullptr;
  if (object) {
    object->Close(OLECLOSE_NOSAVE);
    object->SetClientSite(nullptr);
    object->Release();
  }
  object = nullptr;
}

HWND OwnSite::ControlWindow() const {
  HWND w = nullptr;
  IOleInPlaceObject* ip = nullptr;
  if (object && SUCCEEDED(object->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&ip)))) {
    ip->GetWindow(&w);
    ip->Release();
  }
  return w;
}

}  // namespace wintest
