#pragma once
#include <memory>
#include <string>

#include "foundation/ControlEventAdapter.h"
#include "foundation/ControlSite.h"
#include "host/win32/Win32Surface.h"
#include "library/win32/ControlHost.h"

namespace vorn {

/// A control's place in the Windows host: its own window, the container's ambient properties
/// (with sound defaults where the container has none), thread timers, DoEvents pumping the
/// thread's messages, inner picture windows and child control sites. A top-level site starts
/// parked in the host's hidden parking window; its container shows it (HostedSite).
class Win32Site final : public ControlSite, public HostedSite {
 public:
  /// A control's site: top-level (parent null) at rect, or the site of a control inside parent's.
  Win32Site(std::string name, Win32Site* parent, ContainerSide* side, RectL rect);
  ~Win32Site() override;

  // ControlSite
  Surface& UserControl() override { return *surface_; }
  std::string AmbientDisplayName() override;
  Ref<Font> AmbientFont() override;
  const ScreenInfo& Screen() override;
  Platform& GetPlatform() override;
  void DoEvents() override;
  void PropertyChanged(std::string_view name) override;
  std::unique_ptr<Timer> CreateTimer(std::string_view name, uint32_t intervalMs, std::function<void()> onTick) override;
  std::unique_ptr<ControlSite> CreateChildSite(std::string_view name, int16_t index) override;
  std::unique_ptr<Surface> CreatePictureSurface(std::string_view name) override;
  WindowHandle ContainerHwnd() override;
  void Attach(Control* control) override;

  // HostedSite
  void SetContainerSide(ContainerSide* side) override { side_ = side; }
  uint32_t Window() const override { return surface_->hWnd(); }
  void ShowIn(uint32_t parent, RectL rect) override;
  void Park() override;
  bool Parked() const override;
  void Place(RectL rect) override;
  RectL Placement() const override { return surface_->PlacePx(); }
  void Focus() override;
  void Draw(uintptr_t deviceContext, RectL bounds) override;

  // For the surfaces of the site.
  /// The outermost control, held for as long as a window message or a tick runs in it: a handler
  /// may let the container release it meanwhile.
  Ref<Object> KeepAlive() const;
  const std::string& Name() const noexcept { return name_; }
  WindowHandle ParkingWindow() const;
  void TabFrom(bool backward);
  void FocusChanged(const Win32Surface& surface, bool gained);
  void PictureChanged();
  void SizeChanged(const Win32Surface& surface);
  /// An error a handler raised, with nobody to hand it to: for the debugger.
  void Report(std::string_view source, const std::exception& e) const;

 private:
  class Parking;
  std::shared_ptr<Parking> parking_;  // first, so that it outlives the windows
  std::string name_;
  Win32Site* parent_;
  Win32Site* root_;
  ContainerSide* side_;
  std::unique_ptr<Win32Surface> surface_;
  ControlEventAdapter adapter_;
  Control* control_ = nullptr;
  bool placing_ = false;  // the container moves the window: no news for it
};

/// The font a Windows form gives its controls when its container names none.
Ref<Font> DefaultAmbientFont();

}  // namespace vorn
