#pragma once
#include <functional>
#include <memory>
#include <string>

#include "foundation/ControlEventAdapter.h"
#include "foundation/ControlSite.h"
#include "host/headless/HeadlessHost.h"

namespace vorn {

/// What a form gives every control it holds: the ambient font and the property-change sink.
struct FormAmbient {
  Ref<Font> font;
  std::function<void(const std::string& control, std::string_view property)> propertyChanged;
};

/// A control's place in the headless host: its own window, ambient properties, timers, inner
/// surfaces and child control sites.
class HeadlessSite final : public ControlSite {
 public:
  /// A site whose window is a child of parent at rect (pixels).
  HeadlessSite(HeadlessHost& host, HeadlessSurface* parent, std::string name, RectL rect,
               std::shared_ptr<FormAmbient> ambient);
  ~HeadlessSite() override;

  HeadlessSurface& Window() noexcept { return *surface_; }
  const std::string& Name() const noexcept { return name_; }
  Control* BoundControl() const noexcept { return adapter_.Bound(); }

  Surface& UserControl() override { return *surface_; }
  std::string AmbientDisplayName() override { return name_; }
  Ref<Font> AmbientFont() override;
  const ScreenInfo& Screen() override { return host_; }
  Platform& GetPlatform() override { return host_; }
  void DoEvents() override { host_.DoEvents(); }
  void PropertyChanged(std::string_view name) override;
  std::unique_ptr<Timer> CreateTimer(std::string_view name, uint32_t intervalMs,
                                     std::function<void()> onTick) override;
  std::unique_ptr<ControlSite> CreateChildSite(std::string_view name, int16_t index) override;
  std::unique_ptr<Surface> CreatePictureSurface(std::string_view name) override;
  WindowHandle ContainerHwnd() override;
  void Attach(Control* control) override;

 private:
  HeadlessHost& host_;
  std::string name_;
  std::shared_ptr<FormAmbient> ambient_;
  std::unique_ptr<HeadlessSurface> surface_;
  ControlEventAdapter adapter_;
};

}  // namespace vorn
