#include "library/win32/Embedding.h"

#include "library/com/ComPlatform.h"
#include "library/com/ControlLifecycle.h"
#include "library/win32/OleFont.h"

namespace vorn {

namespace {

constexpr DWORD kKeyModShift = 1;  // KEYMOD_SHIFT, which mingw-w64's headers lack

template <class I>
void ReleaseInto(I*& p) {
  if (p) p->lpVtbl->Release(p);
  p = nullptr;
}

int32_t Dpi() {
  HDC dc = GetDC(nullptr);
  const int dpi = dc ? GetDeviceCaps(dc, LOGPIXELSX) : 96;
  if (dc) ReleaseDC(nullptr, dc);
  return dpi > 0 ? dpi : 96;
}

}  // namespace

Embedding::~Embedding() {
  if (hosted_) hosted_->SetContainerSide(nullptr);
  ReleaseInPlace();
  ReleaseInto(clientSite_);
  ReleaseInto(adviseHolder);
  ReleaseInto(viewSink);
  for (const NotifySink& s : notifySinks) s.sink->lpVtbl->Release(s.sink);
}

void PlatformStateDeleter::operator()(PlatformState* state) const noexcept { delete state; }

Embedding& EmbeddingOf(DispatchObject& d) {
  if (!d.platform) d.platform.reset(new PlatformState(d));
  return d.platform->embedding;
}

Embedding* FindEmbedding(const DispatchObject& d) { return d.platform ? &d.platform->embedding : nullptr; }

bool IsEmbeddable(const DispatchObject& d) { return d.IsControl() && d.cls->create; }

ControlRecipe RecipeOf(const LibraryClass& cls) { return {cls.name, cls.extentX, cls.extentY, cls.create}; }

// ---- starting -------------------------------------------------------------------------------

HRESULT Embedding::Start(PropertyBag* bag) {
  if (owner_.object) return CO_E_ALREADYINITIALIZED;
  try {
    // Made at the extent the container asked for: a Place afterwards would deliver a Resize
    // before Initialize.
    HostedControl made = MakeHostedControl(RecipeOf(*owner_.cls), this, pendingExtent_.cx, pendingExtent_.cy);
    owner_.site = made.site;
    owner_.Bind(made.control);
    hosted_ = made.hosted;
    StartAndShowControl(*owner_.object, bag);
    return S_OK;
  } catch (const RuntimeError& e) {
    return ErrorResult(e, nullptr);
  }
}

HostedSite* Embedding::Hosted() {
  if (!owner_.object) Start(nullptr);
  return hosted_;
}

// ---- the container's side -------------------------------------------------------------------

bool Embedding::AmbientProperty(DISPID id, VARIANT& out) {
  VariantInit(&out);
  if (!clientSite_) return false;
  IDispatch* ambient = nullptr;
  if (FAILED(clientSite_->lpVtbl->QueryInterface(clientSite_, IID_IDispatch, reinterpret_cast<void**>(&ambient))) ||
      !ambient) {
    return false;
  }
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  const HRESULT hr =
      ambient->lpVtbl->Invoke(ambient, id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, &out, nullptr, nullptr);
  ambient->lpVtbl->Release(ambient);
  if (FAILED(hr)) VariantClear(&out);
  return SUCCEEDED(hr);
}

std::optional<std::string> Embedding::AmbientDisplayName() {
  VARIANT v;
  if (!AmbientProperty(DISPID_AMBIENT_DISPLAYNAME, v)) return std::nullopt;
  std::optional<std::string> name;
  if (SUCCEEDED(VariantChangeType(&v, &v, 0, VT_BSTR))) name = BstrText(v.bstrVal);
  VariantClear(&v);
  return name;
}

Ref<Font> Embedding::AmbientFont() {
  VARIANT v;
  if (!AmbientProperty(DISPID_AMBIENT_FONT, v)) return nullptr;
  Ref<Font> font;
  if (v.vt == VT_DISPATCH || v.vt == VT_UNKNOWN) font = FontFromOle(v.punkVal);
  VariantClear(&v);
  return font;
}

void Embedding::PropertyChanged(std::string_view bagName) {
  dirty = true;
  if (notifySinks.empty() || !owner_.object) return;
  const DISPID id = StoredPropertyId(*owner_.object, bagName);
  const std::vector<NotifySink> sinks = notifySinks;  // a sink may unadvise meanwhile
  for (const NotifySink& s : sinks) s.sink->lpVtbl->OnChanged(s.sink, id);
}

void Embedding::FocusChanged(bool focused) {
  if (focused && inPlace_ && !uiActive_) UIActivate();
  if (!clientSite_) return;
  IOleControlSite* control = nullptr;
  if (SUCCEEDED(clientSite_->lpVtbl->QueryInterface(clientSite_, IID_IOleControlSite, reinterpret_cast<void**>(&control))) &&
      control) {
    control->lpVtbl->OnFocus(control, focused);
    control->lpVtbl->Release(control);
  }
}

bool Embedding::TranslateTab(bool backward) {
  if (!clientSite_ || !hosted_) return false;
  IOleControlSite* control = nullptr;
  if (FAILED(clientSite_->lpVtbl->QueryInterface(clientSite_, IID_IOleControlSite, reinterpret_cast<void**>(&control))) ||
      !control) {
    return false;
  }
  MSG msg{};
  msg.hwnd = reinterpret_cast<HWND>(static_cast<intptr_t>(static_cast<int32_t>(hosted_->Window())));
  msg.message = WM_KEYDOWN;
  msg.wParam = VK_TAB;
  const HRESULT hr = control->lpVtbl->TranslateAccelerator(control, &msg, backward ? kKeyModShift : 0);
  control->lpVtbl->Release(control);
  return hr == S_OK;
}

void Embedding::SizeChanged(int32_t widthPx, int32_t heightPx) {
  if (inPlace_ && inPlaceSite_ && hosted_) {
    const RectL r = hosted_->Placement();
    RECT pos{r.left, r.top, r.left + widthPx, r.top + heightPx};
    inPlaceSite_->lpVtbl->OnPosRectChange(inPlaceSite_, &pos);
  }
}

void Embedding::PictureChanged() {
  if (!viewSink || pictureReported) return;
  pictureReported = true;
  viewSink->lpVtbl->OnViewChange(viewSink, DVASPECT_CONTENT, -1);
}

// ---- activation -----------------------------------------------------------------------------

void Embedding::SetClientSite(IOleClientSite* site) {
  if (site == clientSite_) return;
  if (!site) InPlaceDeactivate();
  if (site) site->lpVtbl->AddRef(site);
  ReleaseInto(clientSite_);
  clientSite_ = site;
}

HRESULT Embedding::InPlaceActivate(IOleClientSite* activeSite, bool uiActivate, const RECT* position) {
  IOleClientSite* site = activeSite ? activeSite : clientSite_;
  if (!site) return E_UNEXPECTED;
  HostedSite* hosted = Hosted();
  if (!hosted) return E_UNEXPECTED;
  if (!inPlace_) {
    IOleInPlaceSite* ips = nullptr;
    if (FAILED(site->lpVtbl->QueryInterface(site, IID_IOleInPlaceSite, reinterpret_cast<void**>(&ips))) || !ips) {
      return E_NOINTERFACE;
    }
    if (ips->lpVtbl->CanInPlaceActivate(ips) != S_OK) {
      ips->lpVtbl->Release(ips);
      return E_FAIL;
    }
    ips->lpVtbl->OnInPlaceActivate(ips);
    HWND parent = nullptr;
    RECT pos{}, clip{};
    OLEINPLACEFRAMEINFO info{};
    info.cb = sizeof info;
    if (FAILED(ips->lpVtbl->GetWindow(ips, &parent)) || !parent) {
      ips->lpVtbl->OnInPlaceDeactivate(ips);
      ips->lpVtbl->Release(ips);
      return E_FAIL;
    }
    ips->lpVtbl->GetWindowContext(ips, &frame_, &document_, &pos, &clip, &info);
    if (position) pos = *position;
    inPlaceSite_ = ips;
    inPlace_ = true;
    hosted->ShowIn(static_cast<uint32_t>(reinterpret_cast<uintptr_t>(parent)),
                   RectL{pos.left, pos.top, pos.right, pos.bottom});
    try {
      ShowControl(*owner_.object);  // shown by its container: the popup menu finds its owner now
    } catch (const RuntimeError&) {
      // A failing show step leaves the control where it is, as every show step of it does.
    }
  }
  if (uiActivate && !uiActive_) return UIActivate();
  return S_OK;
}

HRESULT Embedding::UIActivate() {
  if (!inPlace_ || uiActive_) return S_OK;
  uiActive_ = true;
  inPlaceSite_->lpVtbl->OnUIActivate(inPlaceSite_);
  IOleInPlaceActiveObject* active = nullptr;
  owner_.QueryInterface(IID_IOleInPlaceActiveObject, reinterpret_cast<void**>(&active));
  if (frame_) frame_->lpVtbl->SetActiveObject(frame_, active, nullptr);
  if (document_) document_->lpVtbl->SetActiveObject(document_, active, nullptr);
  if (active) active->lpVtbl->Release(active);
  if (hosted_) hosted_->Focus();
  return S_OK;
}

HRESULT Embedding::UIDeactivate() {
  if (!uiActive_) return S_OK;
  uiActive_ = false;
  if (frame_) frame_->lpVtbl->SetActiveObject(frame_, nullptr, nullptr);
  if (document_) document_->lpVtbl->SetActiveObject(document_, nullptr, nullptr);
  if (inPlaceSite_) inPlaceSite_->lpVtbl->OnUIDeactivate(inPlaceSite_, FALSE);
  return S_OK;
}

HRESULT Embedding::InPlaceDeactivate() {
  if (!inPlace_) return S_OK;
  UIDeactivate();
  inPlace_ = false;
  if (hosted_) hosted_->Park();
  if (inPlaceSite_) inPlaceSite_->lpVtbl->OnInPlaceDeactivate(inPlaceSite_);
  ReleaseInPlace();
  return S_OK;
}

void Embedding::ReleaseInPlace() {
  ReleaseInto(frame_);
  ReleaseInto(document_);
  ReleaseInto(inPlaceSite_);
}

void Embedding::SetExtentPx(int32_t width, int32_t height) {
  if (!hosted_) {
    pendingExtent_ = {width, height};
    return;
  }
  const RectL r = hosted_->Placement();
  hosted_->Place(RectL{r.left, r.top, r.left + width, r.top + height});
}

SIZE Embedding::ExtentPx() {
  if (HostedSite* hosted = Hosted()) {
    const RectL r = hosted->Placement();
    return {r.right - r.left, r.bottom - r.top};
  }
  const int32_t twips = 1440 / Dpi();
  return {owner_.cls->extentX / twips, owner_.cls->extentY / twips};
}

}  // namespace vorn
