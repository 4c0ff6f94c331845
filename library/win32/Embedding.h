#pragma once
// A control embedded in a container: what the OLE interfaces of one control share. The container's
// client site and in-place site, the advise sinks, the dirty flag, the property change sinks, and
// the control's site on the Windows host, which it starts on when a container first starts it.
#include <vector>

#include "library/com/ComObject.h"
#include "library/win32/ControlHost.h"

namespace vorn {

class PropertyBag;

class Embedding final : public ContainerSide {
 public:
  explicit Embedding(DispatchObject& owner) : owner_(owner) {}
  ~Embedding() override;
  Embedding(const Embedding&) = delete;
  Embedding& operator=(const Embedding&) = delete;

  // ContainerSide
  std::optional<std::string> AmbientDisplayName() override;
  Ref<Font> AmbientFont() override;
  void PropertyChanged(std::string_view bagName) override;
  void FocusChanged(bool focused) override;
  bool TranslateTab(bool backward) override;
  void SizeChanged(int32_t widthPx, int32_t heightPx) override;
  void PictureChanged() override;

  /// A new instance (bag null) or a stored one, on a new site of the Windows host at the extent
  /// the container asked for: Initialize, InitProperties or ReadProperties, Resize, Show.
  /// CO_E_ALREADYINITIALIZED when it has started.
  HRESULT Start(PropertyBag* bag);
  /// The control's site on the host, starting a new instance first when nothing started it;
  /// null for a control a client started without a container (it has no window to show).
  HostedSite* Hosted();
  bool Started() const { return owner_.object != nullptr; }

  void SetClientSite(IOleClientSite* site);
  IOleClientSite* ClientSite() const { return clientSite_; }
  HRESULT InPlaceActivate(IOleClientSite* activeSite, bool uiActivate, const RECT* position);
  HRESULT InPlaceDeactivate();
  HRESULT UIDeactivate();
  bool InPlace() const { return inPlace_; }

  /// Size in pixels, for IOleObject::SetExtent before and after the control started.
  void SetExtentPx(int32_t width, int32_t height);
  SIZE ExtentPx();

  bool dirty = false;
  IOleAdviseHolder* adviseHolder = nullptr;
  IAdviseSink* viewSink = nullptr;
  DWORD viewAspects = 0;
  DWORD viewFlags = 0;
  bool pictureReported = false;  // OnViewChange went out; the next Draw asks for another
  IConnectionPoint* notifyPoint = nullptr;
  struct NotifySink {
    DWORD cookie;
    IPropertyNotifySink* sink;
  };
  std::vector<NotifySink> notifySinks;
  DWORD nextCookie = 1;

 private:
  bool AmbientProperty(DISPID id, VARIANT& out);
  HRESULT UIActivate();
  void ReleaseInPlace();

  DispatchObject& owner_;
  HostedSite* hosted_ = nullptr;
  IOleClientSite* clientSite_ = nullptr;
  IOleInPlaceSite* inPlaceSite_ = nullptr;
  IOleInPlaceFrame* frame_ = nullptr;
  IOleInPlaceUIWindow* document_ = nullptr;
  bool inPlace_ = false;
  bool uiActive_ = false;
  SIZE pendingExtent_{0, 0};  // asked for before the control started
};

/// What the Windows build keeps per object: the embedding of a control in a container.
struct PlatformState {
  explicit PlatformState(DispatchObject& control) : embedding(control) {}
  Embedding embedding;
};

/// The embedding of a control (made on first use).
Embedding& EmbeddingOf(DispatchObject& control);
/// Its embedding, when a container has met it (else null).
Embedding* FindEmbedding(const DispatchObject& control);

/// The OLE control interfaces of this folder: each answers controls only.
bool IsEmbeddable(const DispatchObject& object);

/// How the Windows host makes a control of a class.
ControlRecipe RecipeOf(const LibraryClass& cls);

}  // namespace vorn
